#pragma once

#include <array>
#include <string_view>

#include "services/choice.h"

namespace korvalin {

class GameCore;
struct Good;

// The shop: five goods everywhere and, in seven cities, a sixth of the
// city's own; one purchase per stay.
class KaimonoDlg {
public:
    static constexpr std::string_view Question = "なにを買いますか？";
    static constexpr std::string_view OneOnly = "一品しか選べません。";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";
    static constexpr std::string_view NoMoneyMessage = "お金が足りません";
    static constexpr std::string_view HorseMessage =
        "いい買い物をしましたね\n汗血馬は次の国の首都まで疾走します。";

    explicit KaimonoDlg(GameCore& game);

    void FormActivate();
    // A click on KaimonoButton k (1..6).
    void KaimonoButtonClick(int k) { checkRadio(KaimonoButtons, static_cast<std::size_t>(k - 1)); }
    void OKBtnClick();
    void CancelBtnClick();

    std::array<Choice, 6> KaimonoButtons;
    // The sixth row of the shop; crossing a border takes its offer away.
    bool KaimonoButton6Visible = true;

private:
    // Rows 1 to 5 in the language of play.
    void showGoods();
    // The good row k (1..6) sells here, or nothing.
    const Good* goodOfRow(int k) const;
    void buy(const Good& good, bool cityGood);

    GameCore& game_;
};

}  // namespace korvalin

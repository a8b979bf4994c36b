#pragma once

#include <array>
#include <string_view>

#include "services/choice.h"

namespace korvalin {

class GameCore;
struct Good;

// The pawn shop: owned goods at half price, any number at once, and in four
// cities a large sum for a souvenir bought elsewhere.
class SitiyaDlg {
public:
    static constexpr std::string_view Question = "なにを売りますか？";
    static constexpr std::string_view AnyNumber = "可能な限り何品でも売れます";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";

    explicit SitiyaDlg(GameCore& game);

    void FormActivate();
    // A click on check box SitiyaButton k (1..6) toggles it.
    void SitiyaButtonClick(int k);
    void OKBtnClick();
    void CancelBtnClick();

    std::array<Choice, 6> SitiyaButtons;
    bool SitiyaButton6Visible = false;

private:
    // Rows 1 to 5 in the language of play.
    void showGoods();
    const Good* souvenirOfCity() const;

    GameCore& game_;
};

}  // namespace korvalin

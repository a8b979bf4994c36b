#pragma once

#include <array>
#include <string>
#include <string_view>

#include "services/choice.h"

namespace korvalin {

class GameCore;

// Sending a telegram home: 50 yen, once per stay.
class SosinDlg {
public:
    static constexpr std::string_view Prompt = "本国への電報の文面を選択してください";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";
    static constexpr int Cost = 50;

    explicit SosinDlg(GameCore& game) : game_(game) {}

    void FormActivate();
    // A click on SosinButton k (1..3).
    void SosinButtonClick(int k) { checkRadio(SosinButtons, static_cast<std::size_t>(k - 1)); }
    void OKBtnClick();
    void CancelBtnClick();

    // The three telegrams: the box's text and the diary's line once sent.
    struct Telegram {
        std::string_view caption;
        std::string_view diaryLine;
    };
    static constexpr std::array<Telegram, 3> Telegrams{{
        {"元気に旅行中", "　　実家に電報を打った。"},
        {"金送れ", "　　実家に金の無心の電報を打った。"},
        {"パスポート紛失、金送れ", "　　電報でパスポート代を実家に無心。"},
    }};

    std::array<Choice, 3> SosinButtons{{
        {std::string(Telegrams[0].caption)},
        {std::string(Telegrams[1].caption)},
        {std::string(Telegrams[2].caption)},
    }};

private:
    GameCore& game_;
};

}  // namespace korvalin

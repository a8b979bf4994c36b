#pragma once

#include <array>
#include <string_view>

namespace korvalin {

class GameCore;

// Out of money: start again, or give up.
class EndDlg {
public:
    static constexpr std::array<std::string_view, 3> Lines = {
        "お金がなくなりました。",
        "ヒッチハイクを断念してください。",
        "もう１度やりますか？",
    };
    static constexpr std::string_view OkCaption = "はい";
    static constexpr std::string_view CancelCaption = "いいえ";
    static constexpr std::string_view GiveUpLine =
        "　　金がなくなった。もうだめ、ヒッチハイクを断念。";

    explicit EndDlg(GameCore& game) : game_(game) {}

    // はい: a new journey from the title screen.
    void OKBtnClick();
    // いいえ: the last line into the diary, the diary to Nikki.txt, and the
    // end of the program.
    void CancelBtnClick();

private:
    GameCore& game_;
};

}  // namespace korvalin

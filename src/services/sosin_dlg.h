#pragma once

#include <array>
#include <string_view>

#include "services/choice.h"

namespace korvalin {

class Game;

// Sending a telegram home: 50 yen, once per stay.
class SosinDlg {
public:
    static constexpr std::string_view Prompt = "本国への電報の文面を選択してください";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "ｷｬﾝｾﾙ";
    static constexpr int Cost = 50;

    explicit SosinDlg(Game& game) : game_(game) {}

    void FormActivate();
    // A click on SosinButton k (1..3).
    void SosinButtonClick(int k) { checkRadio(SosinButtons, static_cast<std::size_t>(k - 1)); }
    void OKBtnClick();
    void CancelBtnClick();

    std::array<Choice, 3> SosinButtons{{
        {"元気に旅行中"},
        {"金送れ"},
        {"パスポート紛失、金送れ"},
    }};

private:
    Game& game_;
};

}  // namespace korvalin

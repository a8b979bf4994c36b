#pragma once

#include <string_view>

namespace korvalin {

class GameCore;

// The notice shown instead of a city's screen while the passport is lost or
// the money is gone: only the capital can help.
class ChokkoDlg {
public:
    static constexpr std::string_view Text = "首都へ直行してください";
    static constexpr std::string_view OkCaption = "OK";

    explicit ChokkoDlg(GameCore& game) : game_(game) {}

    void OKBtnClick();

private:
    GameCore& game_;
};

}  // namespace korvalin

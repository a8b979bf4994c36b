#pragma once

#include <array>
#include <string_view>

namespace korvalin {

class GameCore;

// The notice that the passport is lost. A visa not yet used goes with it.
class LostDlg {
public:
    static constexpr std::array<std::string_view, 2> Lines = {
        "パスポート紛失！",
        "至急、首都にある日本大使館に行ってください。",
    };
    static constexpr std::string_view OkCaption = "OK";

    explicit LostDlg(GameCore& game) : game_(game) {}

    void OKBtnClick();

private:
    GameCore& game_;
};

}  // namespace korvalin

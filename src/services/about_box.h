#pragma once

#include <string_view>

namespace korvalin {

class GameCore;

// The version window of the status bar's right click.
class AboutBox {
public:
    static constexpr std::string_view ProductName = "Korvalin（V2.5）";
    static constexpr std::string_view ReleaseDate = "1997/11/10";
    static constexpr std::string_view OkCaption = "OK";

    explicit AboutBox(GameCore& game) : game_(game) {}

    void OKButtonClick();

private:
    GameCore& game_;
};

}  // namespace korvalin

#pragma once

#include <string>
#include <string_view>

namespace korvalin {

class GameCore;

// The diary window: the diary store in a read-only memo, placed beside the
// 470-pixel-wide main window whenever it is shown.
class NikkiDlg {
public:
    static constexpr int MainWindowWidth = 470;
    static constexpr int Height = 480;
    // The window's title: %1 the player's name.
    static constexpr std::string_view CaptionTemplate = "%1日記";
    static constexpr std::string_view Button1Caption = "日記帳を閉じる";

    struct Bounds {
        int Left = 0;
        int Top = 0;
        int Width = 0;
        int Height = 0;
        friend bool operator==(const Bounds&, const Bounds&) = default;
    };

    explicit NikkiDlg(GameCore& game) : game_(game) {}

    // Takes the screen's width: the window fills what the main window leaves.
    void FormShow(int screenWidth);
    void closeDiary();

    std::string Caption;
    Bounds Geometry;

private:
    GameCore& game_;
};

}  // namespace korvalin

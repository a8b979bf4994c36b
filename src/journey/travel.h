#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/colors.h"
#include "game/window_id.h"

namespace korvalin {

class Game;

// The main window's form model: the travel view, the status bar and the
// journey timer.
class Travel {
public:
    // The caption the marquee moves along the title bar.
    static constexpr std::string_view Title =
        WindowTable[static_cast<std::size_t>(WindowId::Travel)].caption;
    static constexpr std::string_view Panel1Hint = "右：ﾊﾞｰｼﾞｮﾝ情報、ダブル：WorldMap";
    static constexpr std::string_view Label6Hint = "左：ヘルプ";

    struct Label {
        std::string Caption;
        std::uint32_t fontColor;
    };

    explicit Travel(Game& game) : game_(game) {}

    enum class MouseButton { Left, Right, Middle };

    // Virtual key codes of the arrow keys.
    static constexpr int VK_LEFT = 37;
    static constexpr int VK_UP = 38;
    static constexpr int VK_RIGHT = 39;
    static constexpr int VK_DOWN = 40;

    // Builds the world grid and draws the view at the start position; the
    // tile sheet has been read by then.
    void FormCreate();
    void FormActivate();
    void FormDeactivate();
    bool FormCloseQuery();
    void Timer1Timer();

    void FormKeyDown(int virtualKey);
    void FormKeyUp(int virtualKey);
    void Label1Click();
    void Label6Click();
    void Panel1MouseDown(MouseButton button);
    void Panel1DblClick();
    void FormMouseDown(MouseButton button, int x, int y);
    void FormMouseUp();

    std::string Caption{Title};
    Label Label1{"PAUSE", colors::White};
    Label Label2{"", colors::Yellow};
    Label Label3{"", colors::White};
    Label Label4{"", colors::White};
    Label Label5{"", colors::Fuchsia};
    Label Label6{"？", colors::Red};
    std::uint32_t Shape1Color = colors::Purple;
    int Timer1Interval = 1;

    // The place-name panel of the travel view.
    struct HintPanelState {
        bool Visible = false;
        int Left = 264;
        int Top = 128;
        int Width = 50;
        std::string Caption;
        bool operator==(const HintPanelState&) const = default;
    } HintPanel;

private:
    Game& game_;
};

}  // namespace korvalin

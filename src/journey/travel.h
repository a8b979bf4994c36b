#pragma once

#include <cstdint>
#include <string>

namespace korvalin {

class Game;

// Colours as 0xRRGGBB.
namespace colors {
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Purple = 0x800080;
inline constexpr std::uint32_t Red = 0xFF0000;
inline constexpr std::uint32_t Fuchsia = 0xFF00FF;
inline constexpr std::uint32_t Yellow = 0xFFFF00;
inline constexpr std::uint32_t Navy = 0x000080;
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Teal = 0x008080;
}  // namespace colors

// The main window's form model: the travel view, the status bar and the
// journey timer.
class Travel {
public:
    static constexpr const char* Title = "Korvalin ver 2.6";

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

    std::string Caption = Title;
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
    } HintPanel;

private:
    Game& game_;
};

}  // namespace korvalin

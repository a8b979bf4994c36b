#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <optional>

#include "game/colors.h"
#include "game/window_id.h"
#include "journey/travel_modes.h"
#include "world/direction.h"

namespace korvalin {

class GameCore;

// The main window's form model: the travel view, the status bar and the
// journey timer.
class Travel {
public:
    // The caption the marquee moves along the title bar.
    static constexpr std::string_view Title =
        WindowTable[static_cast<std::size_t>(WindowId::Travel)].caption;
    static constexpr std::string_view Panel1Hint = "右：ﾊﾞｰｼﾞｮﾝ情報、ダブル：WorldMap";
    static constexpr std::string_view Label6Hint = "左：ヘルプ";
    static constexpr std::string_view HelpMark = "？";
    static constexpr std::string_view QuitQuestion = "Korvalinを終了しますか？";

    struct Label {
        std::string Caption;
        std::uint32_t fontColor;
    };

    // Label3 tells the mode the hiker moves in; the rules read the mode,
    // never the caption, which is in the language of play. No mode once a
    // key is pressed.
    struct ModeLabel : Label {
        std::optional<TravelMode> mode;
        Direction direction = Direction::None;

        void show(TravelMode shown, Direction going);
        void clear();
        void retranslate();
    };

    explicit Travel(GameCore& game) : game_(game) {}

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
    void advanceJourney();

    void FormKeyDown(int virtualKey);
    void FormKeyUp(int virtualKey);
    void pauseJourney();
    void openHelp();
    void pressStatusBar(MouseButton button);
    void openWorldMap();
    void FormMouseDown(MouseButton button, int x, int y);
    void FormMouseUp();

    // The status bar and the marker show the hiker on foot, as after an
    // arrival: where a loaded game resumes.
    void showOnFoot();

    // The status bar's fixed texts and the mode in the language of play,
    // after a change of language; the purse and the day follow with the next
    // tick. The country stays the saved game's key and is translated where
    // it is shown.
    void retranslate();

    std::string Caption{Title};
    Label Label1{"PAUSE", colors::White};
    Label Label2{"", colors::Yellow};
    ModeLabel Label3{{"", colors::White}, std::nullopt, Direction::None};
    Label Label4{"", colors::White};
    // Label5 names the country the hiker is in, from the game's state.
    static constexpr std::uint32_t Label5Color = colors::Fuchsia;
    Label Label6{std::string(HelpMark), colors::Red};
    std::uint32_t Shape1Color = colors::Purple;
    int Timer1Interval = 1;

    // The place-name panel of the travel view. Width is the Japanese name's;
    // the view widens the panel for a longer name, to the left when the
    // panel has turned back to end at the pointer.
    struct HintPanelState {
        bool Visible = false;
        int Left = 264;
        int Top = 128;
        int Width = 50;
        bool EndsAtPointer = false;
        std::string Caption;
        bool operator==(const HintPanelState&) const = default;
    } HintPanel;

private:
    GameCore& game_;
};

}  // namespace korvalin

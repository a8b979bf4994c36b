// The main window's keyboard, mouse and status-bar handlers.
#include "game/clamped_sum.h"
#include "game/game_core.h"
#include "game/language.h"
#include "journey/travel.h"
#include "maps/place_names.h"
#include "world/direction.h"

namespace korvalin {

namespace {

Direction directionOfKey(int virtualKey)
{
    switch (virtualKey) {
        case Travel::VK_UP:
            return Direction::North;
        case Travel::VK_DOWN:
            return Direction::South;
        case Travel::VK_LEFT:
            return Direction::West;
        case Travel::VK_RIGHT:
            return Direction::East;
        default:
            return Direction::None;
    }
}

}  // namespace

// Any key is the gesture of raising a hand for a car: it stops the hiker at
// the next cell boundary, puts him on foot and draws a new ride chance.
void Travel::FormKeyDown(int)
{
    GameState& s = game_.state;
    s.WantDir = Direction::None;
    s.turnedBackTold = false;
    s.travelSpeed = Walking;
    addClamped(s.yen, -100);
    Label3.clear();
    const std::uint8_t c = game_.hikerCell();
    if (c != WaterTile && c != s.leg.PPA && c != s.leg.PPB && !s.HaveUma && !s.HaveRakuda)
        Shape1Color = colors::Purple;
    game_.reseed();
    s.noRide = static_cast<std::uint8_t>(game_.random.randInt(s.hitchOdds));
}

// Releasing an arrow key asks for that direction; a standing hiker starts at
// once, a moving one turns at the next cell boundary.
void Travel::FormKeyUp(int virtualKey)
{
    const Direction direction = directionOfKey(virtualKey);
    if (direction == Direction::None)
        return;
    GameState& s = game_.state;
    s.WantDir = direction;
    if (s.MoveDir == Direction::None)
        s.MoveDir = direction;
}

void Travel::pauseJourney()
{
    Label1.fontColor = colors::Red;
    game_.state.WantDir = Direction::None;
}

void Travel::openHelp()
{
    game_.state.WantDir = Direction::None;
    game_.ui.showModal(WindowId::HelpDlg);
}

void Travel::pressStatusBar(MouseButton button)
{
    if (button == MouseButton::Right)
        game_.ui.show(WindowId::AboutBox);
}

void Travel::openWorldMap()
{
    if (game_.state.HaveMap || game_.state.Nikki)
        game_.ui.show(WindowId::WorldMap);
}

void Travel::FormActivate()
{
    if (game_.state.TitlePending)
        game_.ui.showModal(WindowId::HelpDlg);
}

void Travel::FormDeactivate()
{
    Timer1Interval = 1;
    game_.state.WantDir = Direction::None;
}

// A Cancel takes back the wish to end, so the journey timer does not ask
// again on its next tick: London's window stays as it was, and an empty
// purse brings its own window back instead.
bool Travel::FormCloseQuery()
{
    const bool ending = game_.ui.confirm(tr(QuitQuestion), Ui::Buttons::OkCancel);
    if (!ending)
        game_.state.quitf = false;
    return ending;
}

// With a map, a press on the view names the place under the pointer, as the
// view shows it at rest; the panel turns back at the right and bottom so that
// it stays inside the view.
void Travel::FormMouseDown(MouseButton, int x, int y)
{
    const GameState& s = game_.state;
    if (!s.HaveMap && !s.Nikki)
        return;
    constexpr int TurnBackAt = 240;
    const auto place = placeNameAt(game_.world, s.MapX + 1 + x / TileSheet::TileSize,
                                   s.MapY + 1 + y / TileSheet::TileSize);
    HintPanel.Width = place ? place->width : 0;
    if (place) {
        HintPanel.Left = x;
        HintPanel.Top = y;
        HintPanel.Caption = place->name;
    }
    HintPanel.EndsAtPointer = x > TurnBackAt;
    if (HintPanel.EndsAtPointer)
        HintPanel.Left = x - HintPanel.Width;
    if (y > TurnBackAt)
        HintPanel.Top = y - HintPanelHeight;
    HintPanel.Visible = true;
}

void Travel::FormMouseUp()
{
    HintPanel.Visible = false;
}

}  // namespace korvalin

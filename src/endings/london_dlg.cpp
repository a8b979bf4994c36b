#include "endings/london_dlg.h"

#include "game/game_clock.h"
#include "game/game_core.h"
#include "game/language.h"
#include "save/file_messages.h"
#include "save/utf8_path.h"

namespace korvalin {

namespace {

// Where the words come to rest.
constexpr int JustLeft = 144;
constexpr int ArrivedLeft = 212;
constexpr int CongratulationsTop = 189;

}  // namespace

void LondonDlg::FormCreate()
{
    Label1 = {-54, 104};
    Label2 = {472, 104};
    Label3 = {139, 138};
    Label4 = {109, 272};
    CirclesVisible = false;
    Label7 = {};
    Label8 = {};
    Color = colors::Black;
    shuppanf = true;
    Label9Visible = true;
}

// "just" shows on the 51st tick, "arrived" and "LONDON" on the 66th, and
// "Congratulations!" comes to rest 42 ticks later.
void LondonDlg::stepCelebration()
{
    if (Label1.Left > JustLeft - 1) {
        Label1.Left = JustLeft;
        Label1.Visible = true;
    }
    if (Label1.Left < JustLeft)
        Label1.Left += 4;

    if (Label2.Left <= ArrivedLeft) {
        Label2.Left = ArrivedLeft;
        Label2.Visible = true;
    }
    if (Label2.Left > ArrivedLeft)
        Label2.Left -= 4;

    // Both words must have come to rest, not merely reached their places.
    if (Label1.Visible && Label2.Visible)
        Label3.Visible = true;

    if (Label4.Top <= CongratulationsTop) {
        Label4.Top = CongratulationsTop;
        Label4.Visible = true;
        CirclesVisible = true;
        judge();
    } else if (Label3.Visible) {
        Label4.Top -= 2;
    }
}

void LondonDlg::judge()
{
    const GameState& s = game_.state;
    const std::string days = fill(tr(ArrivedLine), s.dayNumber());
    Label7.Visible = true;
    if (s.day > RecordMinutes) {
        Label7.Caption = days + "\n" + std::string(tr(AlmostLine));
        return;
    }
    Color = colors::Red;
    Label7.Caption = days;
    Label8.Caption = tr(s.Level1 ? Level1Line : s.Level2 ? Level2Line : s.Level3 ? Level3Line : "");
    Label8.Visible = true;
    // The window's timer runs only while it is shown.
    if (shuppanf) {
        shuppanf = false;
        game_.ui.show(WindowId::ShuppanDlg);
    }
}

void LondonDlg::playAgain()
{
    game_.stage.restartJourney(WindowId::LondonDlg);
}

// The journey timer asks whether to end once it sees quitf; the London
// window stays until the answer is OK, so a Cancel leaves it as it was, its
// picture and publishing still to hand. The diary is not saved here:
// publishing saves it.
void LondonDlg::endJourney()
{
    game_.state.quitf = true;
}

void LondonDlg::journeyPictureSaved(const std::string& path, bool written)
{
    if (written)
        Label9Visible = false;
    else
        // The windows name the picture in UTF-8 text.
        game_.ui.warning(cannotWriteMessage(pathOfUtf8(path)));
}

}  // namespace korvalin

#include "title/help_dlg.h"

#include "game/calendar.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "title/help_pages.h"

namespace korvalin {

// The first page is shown under the version title, which paging back to it
// does not bring back.
void HelpDlg::FormCreate()
{
    game_.state.helppage = FirstPage;
    showPage();
    TitleCaption = VersionTitle;
}

// The same window is the title screen before a course is chosen and the
// help during a game, where it can only be closed. The choice is made when
// the window comes up, not at every activation: a player who picks a course
// and then switches to another program and back must still be asked the
// name by START, or the journey would start without its first diary lines
// and without the date the diary counts from.
void HelpDlg::FormActivate()
{
    if (captionChosen_)
        return;
    captionChosen_ = true;
    const bool inGame = game_.state.courseChosen();
    Label4Caption = inGame ? InGameCaption : NewJourneyCaption;
    LevelVisible = !inGame;
}

void HelpDlg::FormClose()
{
    game_.state.TitlePending = false;
    captionChosen_ = false;
}

// During a journey the close box is "Close"; the title screen has nothing
// to go back to, so there it asks to end Korvalin, as the main window's does.
void HelpDlg::CloseBoxClick()
{
    if (Label4Caption == InGameCaption)
        closeWindow();
    else
        game_.ui.requestMainWindowClose();
}

void HelpDlg::closeWindow()
{
    captionChosen_ = false;
    game_.ui.close(WindowId::HelpDlg);
}

void HelpDlg::Label4Click()
{
    GameState& s = game_.state;
    if (!s.courseChosen()) {
        game_.ui.message(NoCourseMessage);
        return;
    }
    s.TitlePending = false;
    if (Label4Caption == NewJourneyCaption) {
        game_.ui.showModal(WindowId::NamaeDlg);
        const std::string today = formatDate(game_.clock.today());
        writeFirstDiaryLines(today);
        s.mNow = today;
    }
    closeWindow();
}

// The lines go in by index: `dd` is already 4, so the journey's first entry
// lands below them.
void HelpDlg::writeFirstDiaryLines(const std::string& today)
{
    Diary& diary = game_.diary;
    diary.put(1, "　　　" + game_.state.Namae + "日記");
    diary.put(2, "");
    diary.put(3, "1日目　" + today + " （日本）");
    diary.put(4, "　　金沢出発");
}

// Reading the saved game is the save code's part; the title screen only
// triggers it.
void HelpDlg::Label5Click()
{
    loadGame(game_);
}

void HelpDlg::Label6Click()
{
    std::uint8_t& page = game_.state.helppage;
    if (page > FirstPage)
        --page;
    showPage();
}

void HelpDlg::Label7Click()
{
    std::uint8_t& page = game_.state.helppage;
    if (page < LastPage)
        ++page;
    showPage();
}

void HelpDlg::Label13Click()
{
    game_.state.helppage = ContentsPage;
    showPage();
}

void HelpDlg::BodyLineClick(int k)
{
    if (k < 1 || k > static_cast<int>(ContentsEntries.size()))
        return;
    const auto entry = static_cast<std::size_t>(k - 1);
    if (BodyCaptions[entry] != ContentsEntries[entry])
        return;
    game_.state.helppage = ContentsJumpTargets[entry];
    showPage();
}

void HelpDlg::chooseCourse(std::size_t course)
{
    GameState& s = game_.state;
    s.Level1 = course == 0;
    s.Level2 = course == 1;
    s.Level3 = course == 2;
    s.yokin = Courses[course].yokin;
}

void HelpDlg::showPage()
{
    const HelpPage& page = HelpPages[game_.state.helppage - 1];
    TitleCaption = page.title;
    for (std::size_t i = 0; i < page.body.size(); ++i)
        BodyCaptions[i] = page.body[i];
}

}  // namespace korvalin

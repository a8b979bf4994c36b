#include "title/help_dlg.h"

#include "game/calendar.h"
#include "game/game_core.h"
#include "journey/diary_entries.h"
#include "title/help_pages.h"

namespace korvalin {

// The first page is shown under the version title, which paging back to it
// does not bring back.
void HelpDlg::FormCreate()
{
    game_.state.helppage = FirstPage;
    versionTitle_ = true;
    showPage();
    showCaptions();
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
    inGame_ = game_.state.courseChosen();
    showCaptions();
}

void HelpDlg::showCaptions()
{
    Label4Caption = tr(inGame_ ? InGameCaption : NewJourneyCaption);
    LevelVisible = !inGame_;
    LanguageCaption = languageInUse() == Language::Japanese ? ToEnglishCaption : ToJapaneseCaption;
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
    if (inGame_)
        closeWindow();
    else
        game_.ui.requestMainWindowClose();
}

void HelpDlg::closeWindow()
{
    captionChosen_ = false;
    game_.ui.close(WindowId::HelpDlg);
}

void HelpDlg::startOrResume()
{
    GameState& s = game_.state;
    if (!s.courseChosen()) {
        game_.ui.message(tr(NoCourseMessage));
        return;
    }
    s.TitlePending = false;
    if (!inGame_) {
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
    diary.put(1, fill(tr(DiaryTitleLine), game_.state.Namae));
    diary.put(2, "");
    diary.put(3, dayHeading(1, today, "日本"));
    diary.put(4, std::string(tr(SetOffLine)));
}

// Reading the saved game is the save code's part, and the screens show it;
// the title screen only asks for it, and its Load turns red once a game is
// loaded.
void HelpDlg::loadSavedGame()
{
    if (game_.stage.loadSavedGame())
        Label5Color = colors::Red;
}

void HelpDlg::turnToPreviousPage()
{
    const std::uint8_t page = game_.state.helppage;
    turnTo(page > FirstPage ? page - 1 : page);
}

void HelpDlg::turnToNextPage()
{
    const std::uint8_t page = game_.state.helppage;
    turnTo(page < LastPage ? page + 1 : page);
}

void HelpDlg::turnToContents()
{
    turnTo(ContentsPage);
}

void HelpDlg::LanguageClick()
{
    game_.ui.chooseLanguage(languageInUse() == Language::Japanese ? Language::English
                                                                  : Language::Japanese);
    showPage();
    showCaptions();
}

// Read from the page's own lines, not from the screen, whose words depend
// on the language.
void HelpDlg::BodyLineClick(int k)
{
    if (k < 1 || k > static_cast<int>(ContentsEntries.size()))
        return;
    const auto entry = static_cast<std::size_t>(k - 1);
    if (HelpPages[game_.state.helppage - 1].body[entry] != ContentsEntries[entry])
        return;
    turnTo(ContentsJumpTargets[entry]);
}

void HelpDlg::chooseCourse(std::size_t course)
{
    GameState& s = game_.state;
    s.Level1 = course == 0;
    s.Level2 = course == 1;
    s.Level3 = course == 2;
    s.yokin = Courses[course].yokin;
}

// Paging, even to the page already shown, leaves the version title behind.
void HelpDlg::turnTo(int page)
{
    game_.state.helppage = static_cast<std::uint8_t>(page);
    versionTitle_ = false;
    showPage();
}

void HelpDlg::showPage()
{
    const std::size_t index = game_.state.helppage - 1u;
    TitleCaption = versionTitle_ ? tr(VersionTitle) : tr(HelpTitleContext, HelpPages[index].title);
    BodyCaptions = helpPageLines(index);
}

}  // namespace korvalin

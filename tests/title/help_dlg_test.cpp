#include "title/help_dlg.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "session/game.h"
#include "support/fake_ports.h"
#include "support/in_english.h"
#include "title/help_pages.h"

namespace korvalin {
namespace {

class HelpDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        help.FormCreate();
        ui.onModal = [this](WindowId window) {
            if (window == WindowId::NamaeDlg) {
                game.NamaeDlg.Password = typedName;
                game.NamaeDlg.OKBtnClick();
            }
        };
    }

    void expectPage(int number)
    {
        const HelpPage& page = HelpPages.at(static_cast<std::size_t>(number - 1));
        EXPECT_EQ(game.state.helppage, number);
        EXPECT_EQ(help.TitleCaption, page.title) << "page " << number;
        for (std::size_t i = 0; i < page.body.size(); ++i)
            EXPECT_EQ(help.BodyCaptions[i], page.body[i]) << "page " << number << " line " << i + 1;
    }

    void goToPage(int number)
    {
        while (game.state.helppage < number)
            help.turnToNextPage();
        ASSERT_EQ(game.state.helppage, number);
    }

    // The title screen as the main window's first activation brings it up,
    // and a course chosen from its popup.
    void openTitleScreen(void (HelpDlg::*course)())
    {
        help.FormActivate();
        (help.*course)();
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    HelpDlg& help = game.HelpDlg;
    std::string typedName = "虹子";
};

TEST_F(HelpDlgTest, OpensOnTheFirstPageUnderTheVersionTitle)
{
    EXPECT_EQ(game.state.helppage, 1);
    EXPECT_EQ(help.TitleCaption, "Korvalin(v2.6)");
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(help.BodyCaptions[i].empty(), i >= 6) << "line " << i + 1;
}

TEST_F(HelpDlgTest, WithoutACourseItIsTheTitleScreen)
{
    help.FormActivate();
    EXPECT_EQ(help.Label4Caption, "Start");
    EXPECT_TRUE(help.LevelVisible);
}

// ---- Courses -------------------------------------------------------------

struct CourseCase {
    void (HelpDlg::*click)();
    bool level1, level2, level3;
    std::int32_t yokin;
};

class CourseChoice : public HelpDlgTest, public ::testing::WithParamInterface<CourseCase> {};

TEST_P(CourseChoice, SetsItsFlagAloneAndItsMoneyAtTheBank)
{
    const CourseCase& c = GetParam();
    // Another course first, so that every flag and the money must be overwritten.
    game.state.Level1 = game.state.Level2 = game.state.Level3 = true;
    game.state.yokin = 1;
    (help.*c.click)();
    EXPECT_EQ(game.state.Level1, c.level1);
    EXPECT_EQ(game.state.Level2, c.level2);
    EXPECT_EQ(game.state.Level3, c.level3);
    EXPECT_EQ(game.state.yokin, c.yokin);
    EXPECT_EQ(game.state.yen, 0) << "the money waits at the bank";
    EXPECT_TRUE(ui.calls.empty()) << "a course is chosen without confirmation";
}

INSTANTIATE_TEST_SUITE_P(
    HelpDlg, CourseChoice,
    ::testing::Values(CourseCase{&HelpDlg::chooseKingCourse, true, false, false, 200000},
                      CourseCase{&HelpDlg::choosePauperCourse, false, true, false, 100000},
                      CourseCase{&HelpDlg::chooseUtterPauperCourse, false, false, true, 50000}));

TEST_F(HelpDlgTest, ALaterCourseOverwritesAnEarlierOne)
{
    help.chooseKingCourse();
    help.chooseUtterPauperCourse();
    EXPECT_FALSE(game.state.Level1);
    EXPECT_FALSE(game.state.Level2);
    EXPECT_TRUE(game.state.Level3);
    EXPECT_EQ(game.state.yokin, 50000);
}

TEST_F(HelpDlgTest, TheCourseTableCarriesTheMenuTexts)
{
    EXPECT_EQ(Courses[0].caption, "大王コース");
    EXPECT_EQ(Courses[0].hint, "お金持ちのﾋｯﾁﾊｲｸ");
    EXPECT_EQ(Courses[1].caption, "貧民コース");
    EXPECT_EQ(Courses[1].hint, "普通のﾋｯﾁﾊｲｸ");
    EXPECT_EQ(Courses[2].caption, "大貧民コース");
    EXPECT_EQ(Courses[2].hint, "これぞ究極のﾋｯﾁﾊｲｸ");
}

// ---- START ---------------------------------------------------------------

TEST_F(HelpDlgTest, StartWithoutACourseIsRefusedAndChangesNothing)
{
    help.FormActivate();
    const auto linesBefore = game.diary.lines();
    help.startOrResume();
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "message");
    EXPECT_EQ(ui.calls[0].detail, "先にLevelボタンを右クリックして\nレベルを選んでください");
    EXPECT_TRUE(game.state.TitlePending);
    EXPECT_EQ(game.state.Namae, "");
    EXPECT_EQ(game.state.mNow, "");
    EXPECT_EQ(game.state.dd, 4);
    EXPECT_EQ(game.diary.lines(), linesBefore);
    EXPECT_EQ(help.Label4Caption, "Start");
}

TEST_F(HelpDlgTest, StartAsksTheNameAndWritesTheFirstDiaryLines)
{
    openTitleScreen(&HelpDlg::choosePauperCourse);
    help.startOrResume();

    ASSERT_EQ(ui.calls.size(), 3u);
    EXPECT_EQ(ui.calls[0].what, "showModal");
    EXPECT_EQ(ui.calls[0].detail, "TNamaeDlg");
    EXPECT_EQ(ui.calls[1].detail, "TNamaeDlg") << "closed by its own OK";
    EXPECT_EQ(ui.calls[2].what, "close");
    EXPECT_EQ(ui.calls[2].detail, "THelpDlg");

    EXPECT_EQ(game.state.Namae, "虹子");
    EXPECT_EQ(game.diary.get(0), "");
    EXPECT_EQ(game.diary.get(1), "　　　虹子日記");
    EXPECT_EQ(game.diary.get(2), "");
    EXPECT_EQ(game.diary.get(3), "1日目　97/12/20 （日本）");
    EXPECT_EQ(game.diary.get(4), "　　金沢出発");
    EXPECT_EQ(game.diary.get(5), "");
    EXPECT_EQ(game.state.mNow, "97/12/20");
    EXPECT_EQ(game.state.dd, 4);
    EXPECT_FALSE(game.state.TitlePending);
    EXPECT_EQ(game.state.yokin, 100000);
}

// The title screen's language choice switches at once, the page shown and
// the captions with it, and its contents still jump; a journey started in
// English writes its first lines in English.
TEST_F(HelpDlgTest, TheLanguageChoiceSwitchesTheTitleScreenAtOnce)
{
    InEnglish restoresJapanese;
    useLanguage(Language::Japanese, KORVALIN_CATALOGUES);
    openTitleScreen(&HelpDlg::chooseKingCourse);
    help.turnToContents();
    ASSERT_EQ(help.LanguageCaption, "English");
    help.LanguageClick();
    EXPECT_EQ(ui.calls.back().what + " " + ui.calls.back().detail, "language en");
    EXPECT_EQ(help.TitleCaption, "Help Topics");
    EXPECT_EQ(help.BodyCaptions[1], "2: Getting Around");
    EXPECT_EQ(help.Label4Caption + "|" + help.LanguageCaption, "Start|日本語");
    help.openMovingSection();
    EXPECT_EQ(game.state.helppage, 12);

    help.LanguageClick();
    EXPECT_EQ(help.LanguageCaption, "English");
    EXPECT_EQ(help.TitleCaption, HelpPages[11].title);

    help.LanguageClick();
    typedName = "Kenji";
    help.startOrResume();
    EXPECT_EQ(game.diary.get(1), "      Kenji's Diary");
    EXPECT_EQ(game.diary.get(3), "Day 1, 20 Dec '97 (Japan)");
    EXPECT_EQ(game.diary.get(4), "    Set off from Kanazawa.");
}

TEST_F(HelpDlgTest, TheDateIsWrittenWithTwoDigitsEach)
{
    clock.date = std::chrono::year{2003} / std::chrono::March / std::chrono::day{7};
    openTitleScreen(&HelpDlg::chooseKingCourse);
    help.startOrResume();
    EXPECT_EQ(game.diary.get(3), "1日目　03/03/07 （日本）");
    EXPECT_EQ(game.state.mNow, "03/03/07");
}

TEST_F(HelpDlgTest, AnEmptyNameStillTitlesTheDiary)
{
    typedName.clear();
    openTitleScreen(&HelpDlg::chooseUtterPauperCourse);
    help.startOrResume();
    EXPECT_EQ(game.diary.get(1), "　　　日記");
}

TEST_F(HelpDlgTest, TheFirstEntryAfterStartGoesBelowTheFirstDay)
{
    openTitleScreen(&HelpDlg::choosePauperCourse);
    help.startOrResume();
    game.appendDiaryLine("　　東京に到着");
    EXPECT_EQ(game.diary.get(4), "　　金沢出発");
    EXPECT_EQ(game.diary.get(5), "　　東京に到着");
    EXPECT_EQ(game.diary.get(6), "end");
}

TEST_F(HelpDlgTest, CloseDuringAGameNeverAsksTheNameNorRewritesTheDiary)
{
    openTitleScreen(&HelpDlg::choosePauperCourse);
    help.startOrResume();
    game.appendDiaryLine("　　東京に到着");
    const auto linesBefore = game.diary.lines();
    ui.calls.clear();

    help.FormActivate();  // the help opened again from the status bar
    ASSERT_EQ(help.Label4Caption, "Close");
    clock.date = std::chrono::year{1998} / std::chrono::January / std::chrono::day{2};
    help.startOrResume();

    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "close");
    EXPECT_EQ(ui.calls[0].detail, "THelpDlg");
    EXPECT_EQ(game.diary.lines(), linesBefore);
    EXPECT_EQ(game.state.mNow, "97/12/20");
}

TEST_F(HelpDlgTest, TheCloseBoxLeavesTheHelpInAGameAndAsksToQuitOnTheTitleScreen)
{
    openTitleScreen(&HelpDlg::choosePauperCourse);
    help.CloseBoxClick();
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "requestMainWindowClose");
    EXPECT_EQ(game.state.Namae, "") << "no journey was started";

    help.startOrResume();
    help.FormActivate();
    ui.calls.clear();
    help.CloseBoxClick();
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "close");
    EXPECT_EQ(ui.calls[0].detail, "THelpDlg");
}

TEST_F(HelpDlgTest, ReopeningDuringAGameShowsTheLastPageWithCloseOnly)
{
    openTitleScreen(&HelpDlg::chooseKingCourse);
    goToPage(12);
    help.startOrResume();
    help.FormActivate();
    expectPage(12);
    EXPECT_EQ(help.Label4Caption, "Close");
    EXPECT_FALSE(help.LevelVisible);
}

TEST_F(HelpDlgTest, ARestartBringsBackTheTitleScreenAndANewStart)
{
    openTitleScreen(&HelpDlg::chooseKingCourse);
    help.startOrResume();
    game.state.Level1 = false;  // the restart clears the course
    game.diary.clearForRestart(game.state.dd);
    typedName = "二度目";
    openTitleScreen(&HelpDlg::chooseUtterPauperCourse);
    EXPECT_EQ(help.Label4Caption, "Start");
    EXPECT_TRUE(help.LevelVisible);
    help.startOrResume();
    EXPECT_EQ(game.diary.get(1), "　　　二度目日記");
    EXPECT_EQ(ui.count("showModal", "TNamaeDlg"), 2);
}

TEST_F(HelpDlgTest, SwitchingAwayAndBackBeforeStartKeepsTheTitleScreen)
{
    openTitleScreen(&HelpDlg::choosePauperCourse);
    help.FormActivate();  // the player came back from another program
    EXPECT_EQ(help.Label4Caption, "Start");
    EXPECT_TRUE(help.LevelVisible);
    help.startOrResume();
    EXPECT_EQ(ui.count("showModal", "TNamaeDlg"), 1);
    EXPECT_EQ(game.diary.get(1), "　　　虹子日記");
    EXPECT_EQ(game.state.mNow, "97/12/20");
}

TEST_F(HelpDlgTest, ClosingTheWindowEndsTheTitleScreen)
{
    help.FormClose();
    EXPECT_FALSE(game.state.TitlePending);
}

// ---- Pages ---------------------------------------------------------------

TEST_F(HelpDlgTest, PagingBackStopsAtTheFirstPageWithoutTheVersionTitle)
{
    help.turnToPreviousPage();
    expectPage(1);
    EXPECT_EQ(help.TitleCaption, "");
}

TEST_F(HelpDlgTest, PagingOnStopsAtTheLastPage)
{
    for (int expected = 2; expected <= 45; ++expected) {
        help.turnToNextPage();
        expectPage(expected);
    }
    help.turnToNextPage();
    expectPage(45);
    help.turnToPreviousPage();
    expectPage(44);
}

TEST_F(HelpDlgTest, TheContentsButtonShowsTheContentsPageFromAnywhere)
{
    goToPage(40);
    help.turnToContents();
    expectPage(4);
    EXPECT_EQ(help.TitleCaption, "目次");
    EXPECT_EQ(help.BodyCaptions[8], "");
}

TEST_F(HelpDlgTest, AContentsLineJumpsToItsSection)
{
    const std::array<void (HelpDlg::*)(), 8> clicks = {
        &HelpDlg::openStartSection,    &HelpDlg::openMovingSection,   &HelpDlg::openVisaSection,
        &HelpDlg::openShoppingSection, &HelpDlg::openTelegramSection, &HelpDlg::openDiarySection,
        &HelpDlg::openTerrainSection,  &HelpDlg::openMiscSection};
    const std::array<int, 8> targets = {5, 12, 19, 25, 31, 33, 35, 36};
    for (std::size_t k = 0; k < clicks.size(); ++k) {
        help.turnToContents();
        (help.*clicks[k])();
        expectPage(targets[k]);
    }
}

TEST_F(HelpDlgTest, TheContentsPageReachedByPagingJumpsToo)
{
    goToPage(4);
    help.openTerrainSection();
    expectPage(35);
}

TEST_F(HelpDlgTest, BodyLinesOfAnOrdinaryPageDoNothing)
{
    goToPage(35);
    help.openTerrainSection();
    expectPage(35);
    for (int k = 1; k <= 8; ++k) {
        help.BodyLineClick(k);
        expectPage(35);
    }
}

TEST_F(HelpDlgTest, TheFirstPageIsNoContentsPage)
{
    for (int k = 1; k <= 8; ++k)
        help.BodyLineClick(k);
    EXPECT_EQ(game.state.helppage, 1);
}

}  // namespace
}  // namespace korvalin

// The two endings: the London animation and its judgement against the
// 190-day record, giving up when the money is gone, and starting again.
#include <gtest/gtest.h>

#include <string>

#include "endings/journey_picture.h"
#include "save/diary_file.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/golden_file.h"
#include "support/in_english.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

using testing::readBytes;

class EndingsTest : public ::testing::Test {
protected:
    void arriveInLondon(int day)
    {
        s.day = day;
        london.FormCreate();
    }
    void tick(int count)
    {
        for (int i = 0; i < count; ++i)
            london.stepCelebration();
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    GameState& s = game.state;
    LondonDlg& london = game.LondonDlg;
};

TEST_F(EndingsTest, TheWordsOfTheGoalScreenArriveOnTheirTicks)
{
    arriveInLondon(100 * MinutesPerDay);
    tick(50);
    EXPECT_FALSE(london.Label1.Visible);
    tick(1);
    EXPECT_TRUE(london.Label1.Visible);
    EXPECT_EQ(london.Label1.Left, 144);
    tick(14);
    EXPECT_FALSE(london.Label2.Visible);
    EXPECT_FALSE(london.Label3.Visible);
    tick(1);
    EXPECT_TRUE(london.Label2.Visible);
    EXPECT_EQ(london.Label2.Left, 212);
    EXPECT_TRUE(london.Label3.Visible);
    tick(41);
    EXPECT_FALSE(london.Label4.Visible);
    EXPECT_FALSE(london.CirclesVisible);
    tick(1);
    EXPECT_TRUE(london.Label4.Visible);
    EXPECT_EQ(london.Label4.Top, 189);
    EXPECT_TRUE(london.CirclesVisible);
}

TEST_F(EndingsTest, Day190IsWithinTheRecordAndOffersToPublishOncePerShowing)
{
    s.Level3 = true;
    arriveInLondon(190 * MinutesPerDay);
    tick(200);
    EXPECT_EQ(london.Color, colors::Red);
    EXPECT_EQ(london.Label7.Caption, "あなたは190日でロンドンに到着しました");
    EXPECT_EQ(london.Label8.Caption, "もう一人前のヒッチハイカーです");
    EXPECT_TRUE(london.Label8.Visible);
    EXPECT_EQ(ui.count("show", "TShuppanDlg"), 1);
    arriveInLondon(190 * MinutesPerDay);
    tick(108);
    EXPECT_EQ(ui.count("show", "TShuppanDlg"), 2);
}

// 終了 asks once whether to end; until the answer is OK the London window
// stays as it was, so a Cancel loses neither its picture nor publishing,
// and the question does not come back on the ticks after it.
TEST_F(EndingsTest, EndingFromLondonAsksOnceAndACancelLeavesLondonAsItWas)
{
    arriveInLondon(150 * MinutesPerDay);
    s.MapX = 54 - 15;  // the hiker stands on London's cell
    s.MapY = 37 - 14;
    tick(200);
    london.endJourney();
    game.Travel.advanceJourney();
    EXPECT_EQ(ui.count("requestMainWindowClose"), 1);
    ui.answers.push_back(false);
    EXPECT_FALSE(game.Travel.FormCloseQuery());
    for (int i = 0; i < 20; ++i)
        game.Travel.advanceJourney();
    EXPECT_EQ(ui.count("requestMainWindowClose"), 1);
    EXPECT_EQ(ui.count("close", "TLondonDlg"), 0);
}

// Saved once, it is not offered again until the next showing; a picture
// that cannot be written is said so, and the offer stays.
TEST_F(EndingsTest, ThePictureOfTheJourneyIsOfferedOncePerShowing)
{
    arriveInLondon(200 * MinutesPerDay);
    london.journeyPictureSaved("/nowhere/旅の地図.png", false);
    EXPECT_TRUE(london.Label9Visible);
    EXPECT_EQ(ui.calls.back().detail, "「/nowhere/旅の地図.png」に書き込めませんでした。");
    london.journeyPictureSaved("旅の地図.png", true);
    EXPECT_FALSE(london.Label9Visible);
    arriveInLondon(200 * MinutesPerDay);
    EXPECT_TRUE(london.Label9Visible);
}

// Tokyo (245, 118) is reached from its west side twice, Seoul (223, 127)
// from its north side: each is named once, in the order first reached.
TEST_F(EndingsTest, ThePictureNamesTheTravellerCourseDaysAndEachCapitalOnce)
{
    s.Namae = "虹子";
    s.Level2 = true;
    s.day = 171 * MinutesPerDay + 5;
    for (const auto& [x, y] :
         {std::pair{243, 118}, {244, 118}, {243, 118}, {244, 118}, {223, 125}, {223, 126}})
        game.trail.enter(1, x, y);
    const JourneyPictureTexts texts = journeyPictureTexts(game);
    EXPECT_EQ(texts.headline, "虹子さんの旅　貧民コース　171日でロンドン到着");
    EXPECT_EQ(texts.capitals, "通った首都：東京・ソウル");
}

// What the endings say in English, kept byte for byte in english.golden
// beside this file (rewritten with KORVALIN_UPDATE_GOLDEN=1): the London
// judgements on every course and a day late, the out-of-money window and
// its diary line, and the journey picture's words through Kuwait City.
TEST_F(EndingsTest, InEnglishTheEndingsSayWhatTheGoldenFileHolds)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    std::string said;
    for (bool* course : {&s.Level1, &s.Level2, &s.Level3}) {
        *course = true;
        arriveInLondon(190 * MinutesPerDay);
        tick(108);
        said += london.Label7.Caption + "\n" + london.Label8.Caption + "\n";
        *course = false;
    }
    arriveInLondon(190 * MinutesPerDay + 1);
    tick(108);
    said += london.Label7.Caption + "\n";

    for (std::string_view line : EndDlg::Lines)
        said += std::string(tr(line)) + "\n";
    said +=
        std::string(tr(EndDlg::OkCaption)) + " / " + std::string(tr(EndDlg::CancelCaption)) + "\n";
    testing::TempDir here;
    game.saveFiles.diary = here / "Nikki.txt";
    game.EndDlg.CancelBtnClick();
    said += game.diary.get(s.dd) + "\n";

    s.Namae = "Hiro";
    s.Level3 = true;
    s.day = 171 * MinutesPerDay;
    // Beside Tokyo, Seoul, Kuwait City and Baghdad.
    for (const auto& [x, y] : {std::pair{244, 118}, {223, 126}, {67, 142}, {66, 128}})
        game.trail.enter(1, x, y);
    const JourneyPictureTexts picture = journeyPictureTexts(game);
    said += picture.headline + "\n" + picture.capitals + "\n";

    EXPECT_EQ(said, testing::goldenBytes("endings/english.golden", said));
}

TEST_F(EndingsTest, OneMinuteMoreMissesTheRecord)
{
    s.Level1 = true;
    arriveInLondon(190 * MinutesPerDay + 1);
    tick(200);
    EXPECT_EQ(london.Color, colors::Black);
    EXPECT_EQ(london.Label7.Caption, "あなたは190日でロンドンに到着しました\nもう少しですね");
    EXPECT_TRUE(london.Label7.Visible);
    EXPECT_FALSE(london.Label8.Visible);
    EXPECT_EQ(ui.count("show", "TShuppanDlg"), 0);
}

TEST_F(EndingsTest, GivingUpWritesTheLastLineAndTheDiaryFileThenEnds)
{
    testing::TempDir here;
    game.saveFiles.diary = here / "Nikki.txt";
    s.yen = -60;
    game.trail.enter(9, 100, 100);
    game.EndDlg.CancelBtnClick();
    EXPECT_EQ(game.trail.cells().size(), 1u);
    EXPECT_EQ(game.diary.get(5), "　　金がなくなった。もうだめ、ヒッチハイクを断念。");
    EXPECT_EQ(readBytes(here / "Nikki.txt"), *encodeDiaryLines(game.diary.lines()));
    EXPECT_EQ(s.yen, 0);
    EXPECT_TRUE(s.quitf);
    EXPECT_EQ(ui.count("requestMainWindowClose"), 1);
}

// A Cancel on the question after giving up brings the out-of-money window
// back on the next tick instead of asking again on every tick.
TEST_F(EndingsTest, ACancelAfterGivingUpBringsTheWindowBackNotTheQuestion)
{
    testing::TempDir here;
    game.saveFiles.diary = here / "Nikki.txt";
    s.Start = false;
    game.EndDlg.CancelBtnClick();
    ui.answers.push_back(false);
    game.Travel.FormCloseQuery();
    game.Travel.advanceJourney();
    EXPECT_EQ(ui.count("requestMainWindowClose"), 1);
    EXPECT_GE(ui.count("show", "TEndDlg"), 1);
}

// The journey shows the window again on the next tick: the player can try
// once more or start again.
TEST_F(EndingsTest, ADiaryThatCannotBeWrittenIsReportedAndTheGameGoesOn)
{
    testing::TempDir here;
    game.saveFiles.diary = here / "Nikki.txt";
    std::filesystem::create_directories(here / "Nikki.txt" / "in the way");
    game.EndDlg.CancelBtnClick();
    game.EndDlg.CancelBtnClick();
    EXPECT_EQ(ui.count("warning"), 2);
    EXPECT_FALSE(s.quitf);
    EXPECT_EQ(ui.count("requestMainWindowClose"), 0);
    EXPECT_EQ(s.dd, 5);
}

TEST_F(EndingsTest, StartingAgainLeavesNothingOfTheJourney)
{
    s.Namae = "虹子";
    for (bool* flag :
         {&s.pekingd,      &s.sould,    &s.moscowd,  &s.visaf,    &s.lostf,     &s.worked,
          &s.buy,          &s.nyukoku,  &s.HaveMap,  &s.HaveKutu, &s.HaveHuku,  &s.HaveCard,
          &s.HaveHaramaki, &s.Nikki,    &s.HaveDall, &s.HaveUma,  &s.HavePearl, &s.HaveRakuda,
          &s.HaveTubo,     &s.HaveLion, &s.Level2,   &s.sosin1,   &s.sosin2,    &s.sosin3,
          &s.jusin1,       &s.jusin2,   &s.jusin3})
        *flag = true;
    s.Start = s.londonf = false;
    s.dd = 300;
    game.diary.put(300, "　　ロンドンに到着");
    s.yen = 5;
    s.day = 90000;
    s.MapX = s.leg.PP = s.leg.PN = s.leg.PPB = 3;
    s.kk = 64;
    s.travelSpeed = RideSpeed;
    s.MoveDir = Direction::South;
    game.state.visaToGet = false;
    game.state.visaFor = 4;
    game.state.destination = 5;
    game.Travel.Label3.Caption = "馬上";
    game.trail.enter(62, 3, 17);

    game.EndDlg.OKBtnClick();
    EXPECT_TRUE(game.trail.cells().empty());
    GameState start;
    start.leg.PPB = start.leg.PNB = 111;
    start.Namae = "虹子";
    EXPECT_TRUE(s == start);
    EXPECT_FALSE(s.HaveLion);
    EXPECT_EQ(game.diary.get(300), "");
    EXPECT_EQ(game.Travel.Label3.Caption, "");
    game.HelpDlg.FormActivate();
    EXPECT_EQ(game.HelpDlg.Label4Caption, "Start");
    EXPECT_EQ(ui.count("show", "THelpDlg"), 1);
    EXPECT_EQ(ui.calls.back().what + " " + ui.calls.back().detail, "close TEndDlg");
}

}  // namespace
}  // namespace korvalin

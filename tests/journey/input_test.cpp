// The main window's keys, status bar, activation and close query.
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

TEST_F(JourneyTest, AnyKeyPressIsAHitchhikingGestureThatCosts100Yen)
{
    s.WantDir = Direction::South;
    s.travelSpeed = RideSpeed;
    travel.Label3.Caption = "船上";
    s.yen = 0;
    press(16);  // Shift
    EXPECT_EQ(s.yen, -100);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(s.travelSpeed, Walking);
    EXPECT_EQ(travel.Label3.Caption, "");
    game.Travel.FormKeyUp(16);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(s.MoveDir, Direction::None);
}

// Holding a key down repeats the press, and each costs again.
TEST_F(JourneyTest, RepeatedKeyDownsEachCost)
{
    s.yen = 1000;
    for (int i = 0; i < 5; ++i)
        press(Up);
    EXPECT_EQ(s.yen, 500);
}

TEST_F(JourneyTest, TheRideChanceIsOneInTheCountrysOdds)
{
    s.hitchOdds = 1;
    s.noRide = 5;
    press(Up);
    EXPECT_EQ(s.noRide, 0);
    s.hitchOdds = 0;
    s.noRide = 5;
    press(Up);
    EXPECT_EQ(s.noRide, 0);
    int rides = 0;
    s.hitchOdds = 80;
    for (std::uint32_t ms = 0; ms < 8000; ++ms) {
        clock.milliseconds = ms * 7919;
        press(Up);
        EXPECT_LT(s.noRide, 80);
        rides += s.noRide == 0 ? 1 : 0;
    }
    EXPECT_GT(rides, 50);
    EXPECT_LT(rides, 150);
}

struct MarkerCase {
    const char* name;
    std::uint8_t cell;
    bool horse;
    bool camel;
    std::uint32_t after;
};

class MarkerTest : public JourneyTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerTest, AKeyPressPutsTheMarkerBackToWalkingExceptAtSeaUpHighOrMounted)
{
    const MarkerCase& c = GetParam();
    useMap(TestMap().set(240, 119, c.cell));
    s.leg.PPA = JapanAlps;
    s.leg.PPB = ChinaSecond;
    s.HaveUma = c.horse;
    s.HaveRakuda = c.camel;
    travel.Shape1Color = colors::Red;
    press(Up);
    EXPECT_EQ(travel.Shape1Color, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, MarkerTest,
    ::testing::Values(MarkerCase{"OnLand", Japan, false, false, colors::Purple},
                      MarkerCase{"AtSea", WaterTile, false, false, colors::Red},
                      MarkerCase{"InTheMountains", JapanAlps, false, false, colors::Red},
                      MarkerCase{"InTheThirdRegion", ChinaSecond, false, false, colors::Red},
                      MarkerCase{"WithAHorse", Japan, true, false, colors::Red},
                      MarkerCase{"WithACamel", Japan, false, true, colors::Red}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArrowCase {
    int key;
    Direction direction;
};

class ArrowTest : public JourneyTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowTest, ReleasingAnArrowAsksItsDirectionAndStartsAStandingHiker)
{
    release(GetParam().key);
    EXPECT_EQ(s.WantDir, GetParam().direction);
    EXPECT_EQ(s.MoveDir, GetParam().direction);
}

TEST_P(ArrowTest, AMovingHikerKeepsHisDirectionUntilTheBoundary)
{
    s.MoveDir = GetParam().direction == Direction::North ? Direction::South : Direction::North;
    const Direction moving = s.MoveDir;
    release(GetParam().key);
    EXPECT_EQ(s.WantDir, GetParam().direction);
    EXPECT_EQ(s.MoveDir, moving);
}

INSTANTIATE_TEST_SUITE_P(Arrows, ArrowTest,
                         ::testing::Values(ArrowCase{Up, Direction::North},
                                           ArrowCase{Down, Direction::South},
                                           ArrowCase{Left, Direction::West},
                                           ArrowCase{Right, Direction::East}));

TEST_F(JourneyTest, PauseStopsAndTurnsRed)
{
    s.WantDir = Direction::West;
    travel.pauseJourney();
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(travel.Label1.fontColor, colors::Red);
    travel.pauseJourney();
    EXPECT_EQ(travel.Label1.fontColor, colors::Red);
}

TEST_F(JourneyTest, TheQuestionMarkStopsAndOpensHelpModally)
{
    s.WantDir = Direction::West;
    travel.openHelp();
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(ui.count("showModal", "THelpDlg"), 1);
}

TEST_F(JourneyTest, ARightClickOnTheStatusBarShowsTheVersion)
{
    travel.pressStatusBar(Travel::MouseButton::Left);
    EXPECT_TRUE(ui.calls.empty());
    travel.pressStatusBar(Travel::MouseButton::Right);
    EXPECT_EQ(ui.count("show", "TAboutBox"), 1);
}

TEST_F(JourneyTest, ADoubleClickOpensTheWorldMapOnlyWithAMap)
{
    travel.openWorldMap();
    EXPECT_TRUE(ui.calls.empty());
    s.Nikki = true;
    travel.openWorldMap();
    s.Nikki = false;
    s.HaveMap = true;
    travel.openWorldMap();
    EXPECT_EQ(ui.count("show", "TWorldMap"), 2);
}

TEST_F(JourneyTest, OnlyTheFirstActivationBringsUpTheTitle)
{
    travel.FormActivate();
    EXPECT_EQ(ui.count("showModal", "THelpDlg"), 1);
    s.TitlePending = false;
    travel.FormActivate();
    EXPECT_EQ(ui.count("showModal", "THelpDlg"), 1);
}

// Notes which buttons the confirmation offered.
class ButtonsUi : public FakeUi {
public:
    bool confirm(std::string_view text, Buttons buttons) override
    {
        offered = buttons;
        return FakeUi::confirm(text, buttons);
    }

    Buttons offered = Buttons::YesNo;
};

class CloseQueryTest : public ::testing::TestWithParam<bool> {};

TEST_P(CloseQueryTest, AsksWithOkAndCancelAndClosesOnlyOnOk)
{
    ButtonsUi ui;
    FakeClock clock;
    Game game{ui, clock};
    ui.answers.push_back(GetParam());
    EXPECT_EQ(game.Travel.FormCloseQuery(), GetParam());
    EXPECT_EQ(ui.count("confirm", "Korvalinを終了しますか？"), 1);
    EXPECT_EQ(ui.offered, Ui::Buttons::OkCancel);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQueryTest, ::testing::Bool());

}  // namespace
}  // namespace korvalin::testing

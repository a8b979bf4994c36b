// Reaching a capital, a city or London, and running out of money.
#include "journey/travel_modes.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

// Puts the hiker on (x, y).
void standOn(GameState& s, int x, int y)
{
    s.MapX = static_cast<std::uint8_t>(x - 15);
    s.MapY = static_cast<std::uint8_t>(y - 14);
}

// Korea everywhere, with a capital on Rome's cell (38, 71) and a city on
// Osaka's (240, 125); the hiker walks.
class ArrivalTest : public JourneyTest {
protected:
    ArrivalTest()
    {
        useMap(TestMap()
                   .fill(0, 0, 255, 255, Korea)
                   .set(38, 71, CapitalTile)
                   .set(240, 125, CityTile)
                   .set(54, 37, Korea));
        s.leg.PP = s.leg.PN = Korea;
        s.leg.PPA = s.leg.PNA = 0;
        s.noRide = 1;
    }
};

TEST_F(ArrivalTest, StepsNorthIntoACapitalOpenTheCapitalScreenOnEachTick)
{
    standOn(s, 38, 73);
    release(Up);
    tick(7);
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 0);
    tick();  // now beside it, still heading north
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 1);
    EXPECT_TRUE(s.capitalf);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(travel.Timer1Interval, 1);
    for (int i = 0; i < 7; ++i) {
        tick();
        EXPECT_EQ(travel.Timer1Interval, 1);
    }
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 8);
    tick();  // the step completes on the capital's cell
    EXPECT_EQ(hikerY(), 71);
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 8);
}

// An empty purse is noticed before the capital the same step reaches: the
// out-of-money window comes first.
TEST_F(ArrivalTest, MoneyRunsOutBeforeTheCapitalIsReached)
{
    standOn(s, 38, 73);
    s.yen = 8 * YenPerCostUnit;
    release(Up);
    tick(8);
    ASSERT_EQ(s.yen, 0);
    std::vector<std::string> shown;
    for (const auto& call : ui.calls)
        if (call.what == "show")
            shown.push_back(call.detail);
    EXPECT_EQ(shown, (std::vector<std::string>{"TEndDlg", "TCapitalDlg"}));
}

struct SideCase {
    int fromX, fromY;
    int key;
    bool opens;
};

class RomeSideTest : public ArrivalTest, public ::testing::WithParamInterface<SideCase> {};

// Rome is entered only by steps northward and westward.
TEST_P(RomeSideTest, OnlyItsSidesOpenTheScreen)
{
    const SideCase& c = GetParam();
    standOn(s, c.fromX, c.fromY);
    s.capitalf = false;
    release(c.key);
    tick();
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), c.opens ? 1 : 0);
    EXPECT_EQ(s.WantDir, c.opens ? Direction::None : s.MoveDir);
}

INSTANTIATE_TEST_SUITE_P(Rome, RomeSideTest,
                         ::testing::Values(SideCase{38, 72, Up, true}, SideCase{39, 71, Left, true},
                                           SideCase{38, 70, Down, false},
                                           SideCase{37, 71, Right, false}));

TEST_F(ArrivalTest, ASouthwardHikerWalksOverRome)
{
    standOn(s, 38, 70);
    release(Down);
    tick(16);
    EXPECT_EQ(hikerY(), 72);
    EXPECT_EQ(s.MoveDir, Direction::South);
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 0);
}

TEST_F(ArrivalTest, ACityWithPassportAndMoneyOpensTheCapitalScreen)
{
    standOn(s, 240, 124);
    s.capitalf = true;
    release(Down);
    tick();
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 1);
    EXPECT_FALSE(s.capitalf);
    EXPECT_EQ(travel.Timer1Interval, 1);
}

struct TurnedAwayCase {
    const char* name;
    bool lostf;
    int yen;
};

class CityTurnsAwayTest : public ArrivalTest,
                          public ::testing::WithParamInterface<TurnedAwayCase> {};

TEST_P(CityTurnsAwayTest, SendsTheHikerOnToACapital)
{
    standOn(s, 240, 124);
    s.lostf = GetParam().lostf;
    s.yen = GetParam().yen;
    s.Start = true;  // no end of the game for want of money here
    s.capitalf = true;
    release(Down);
    tick();
    EXPECT_EQ(ui.count("show", "TChokkoDlg"), 1);
    EXPECT_EQ(ui.count("show", "TCapitalDlg"), 0);
    EXPECT_TRUE(s.capitalf);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(travel.Timer1Interval, 1);
}

INSTANTIATE_TEST_SUITE_P(Cities, CityTurnsAwayTest,
                         ::testing::Values(TurnedAwayCase{"NoPassport", true, 5000},
                                           TurnedAwayCase{"NoMoney", false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class LondonTest : public ArrivalTest {
protected:
    LondonTest()
    {
        standOn(s, 54, 38);
        s.Namae = "太郎";
        s.dd = 10;
    }
};

TEST_F(LondonTest, ArrivingInLondonWritesThreeLinesAndShowsTheGoal)
{
    release(Up);
    tick();
    EXPECT_EQ(s.dd, 13);
    EXPECT_EQ(
        line(11),
        "　　ついにロンドン。目の前が涙でかすみ太郎さん、ユーラシア横断おめでとうの文字がにじんで見える。");
    EXPECT_EQ(
        line(12),
        "　　苦しかったことが、たまらなく懐かしくなった。この旅でどんなにか成長したことだろう。");
    EXPECT_EQ(line(13), "　　でも、もうやらない。");
    EXPECT_EQ(line(14), "end");
    EXPECT_FALSE(s.londonf);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(ui.count("show", "TLondonDlg"), 1);
    EXPECT_EQ(travel.Timer1Interval, 500);  // the walk's own: London sets none
}

class LondonAgainTest : public LondonTest, public ::testing::WithParamInterface<bool> {};

// Celebrated once, and not at all once the player has ended the game.
TEST_P(LondonAgainTest, AnotherArrivalWritesAndShowsNothing)
{
    const bool quitting = GetParam();
    s.quitf = quitting;
    s.londonf = quitting;
    release(Up);
    tick();
    EXPECT_EQ(s.dd, 10);
    EXPECT_EQ(s.londonf, quitting);
    EXPECT_EQ(ui.count("show", "TLondonDlg"), 0);
}

INSTANTIATE_TEST_SUITE_P(AfterCelebratingOrQuitting, LondonAgainTest, ::testing::Bool());

TEST_F(LondonTest, AfterQuittingInLondonTheMainWindowIsAskedToClose)
{
    release(Up);
    tick(8);
    EXPECT_EQ(ui.count("requestMainWindowClose"), 0);
    s.quitf = true;
    tick();
    EXPECT_EQ(ui.count("requestMainWindowClose"), 1);
}

TEST_F(JourneyTest, AnEmptyPurseShowsTheEndOnEveryTick)
{
    s.yen = 0;
    s.WantDir = Direction::West;
    tick(3);
    EXPECT_EQ(ui.count("show", "TEndDlg"), 3);
    EXPECT_EQ(s.WantDir, Direction::None);
}

TEST_F(JourneyTest, BeforeLeavingTheFirstCityAnEmptyPurseEndsNothing)
{
    s.yen = 0;
    s.Start = true;
    tick(3);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(JourneyTest, AnEmptyPurseAfterQuittingClosesTheMainWindow)
{
    s.yen = -100;
    s.quitf = true;
    tick();
    EXPECT_EQ(ui.count("requestMainWindowClose"), 1);
    EXPECT_EQ(ui.count("show", "TEndDlg"), 0);
}

}  // namespace
}  // namespace korvalin::testing

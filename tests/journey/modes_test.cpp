// Travel modes: what each one costs, how fast it goes, and how it shows.
#include "journey/diary_texts.h"
#include "journey/travel_modes.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

struct ModeCase {
    const char* name;
    std::function<void(GameState&)> setUp;  // on a road of China eastward
    std::uint8_t cellAhead;
    int minutesPerTick;
    int yenPerTick;
    std::string_view caption;
    std::uint32_t marker;
    int interval;
};

class ModeTest : public JourneyTest, public ::testing::WithParamInterface<ModeCase> {
protected:
    // China with a separate second region, so that animals can be ridden.
    void SetUp() override
    {
        s.leg.PP = s.leg.PN = China;
        s.leg.PPA = s.leg.PNA = ChinaSecond;
        useMap(TestMap().fill(230, 110, 250, 130, China).set(241, 119, GetParam().cellAhead));
        GetParam().setUp(s);
        release(Right);
    }
};

TEST_P(ModeTest, OneTickSetsTheModeAndChargesIt)
{
    const ModeCase& c = GetParam();
    const int day = s.day;
    const int yen = s.yen;
    tick();
    EXPECT_EQ(s.day - day, c.minutesPerTick);
    EXPECT_EQ(yen - s.yen, c.yenPerTick);
    EXPECT_EQ(travel.Label3.Caption, c.caption);
    EXPECT_EQ(travel.Shape1Color, c.marker);
    EXPECT_EQ(travel.Timer1Interval, c.interval);
    EXPECT_EQ(s.ScrollX, 18);
}

TEST_P(ModeTest, ACellTakesEightTicksAndEndsOnTheBoundaryInterval)
{
    const ModeCase& c = GetParam();
    const int day = s.day;
    const int yen = s.yen;
    tick(8);
    EXPECT_EQ(s.day - day, 8 * c.minutesPerTick);
    EXPECT_EQ(yen - s.yen, 8 * c.yenPerTick);
    EXPECT_EQ(hikerX(), 241);
    EXPECT_EQ(travel.Timer1Interval, 50);
    EXPECT_EQ(s.ScrollX, 16);
}

void nothing(GameState&) {}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModeTest,
    ::testing::Values(ModeCase{"Walking", [](GameState& s) { s.noRide = 1; }, China, 120, 30,
                               "徒歩", colors::Purple, 500},
                      ModeCase{"ShoeWalking",
                               [](GameState& s) {
                                   s.noRide = 1;
                                   s.HaveKutu = true;
                               },
                               China, 60, 30, "徒歩", colors::Navy, 250},
                      ModeCase{"Camel", [](GameState& s) { s.HaveRakuda = true; }, China, 30, 60,
                               "ラクダ", colors::Yellow, 125},
                      ModeCase{"Horse", [](GameState& s) { s.HaveUma = true; }, China, 20, 60,
                               "馬上", colors::Green, 100},
                      ModeCase{"HorseBeforeCamel",
                               [](GameState& s) {
                                   s.HaveUma = true;
                                   s.HaveRakuda = true;
                               },
                               China, 20, 60, "馬上", colors::Green, 100},
                      ModeCase{"Ride", nothing, China, 10, 0, "ヒッチハイクに成功", colors::Red,
                               50},
                      ModeCase{"RideIntoACapital", nothing, CapitalTile, 10, 0,
                               "ヒッチハイクに成功", colors::Red, 50},
                      ModeCase{"Ship", [](GameState& s) { s.leg.PS = WaterTile; }, WaterTile, 10,
                               300, "船上", colors::Teal, 50},
                      ModeCase{"ClimbingTheMountains", nothing, ChinaSecond, 480, 30, "山登り",
                               colors::White, 2000}),
    [](const auto& info) { return std::string(info.param.name); });

// The first day of the journey is day 1; each 1440 minutes make the next.
TEST_F(JourneyTest, WalkingACellCosts240YenAnd960Minutes)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    s.noRide = 1;
    release(Right);
    tick(8);
    EXPECT_EQ(s.day, 1440 + 960);
    EXPECT_EQ(s.yen, 100000 - 240);
    EXPECT_EQ(travel.Label2.Caption, "1日");
    tick(8);
    EXPECT_EQ(travel.Label2.Caption, "2日");
    EXPECT_EQ(travel.Label4.Caption, "9万9520円");
}

TEST_F(JourneyTest, ARideIsAnnouncedOnceAndCostsNothing)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    release(Right);
    tick();
    const int dd = s.dd;
    EXPECT_EQ(dd, 5);
    tick(7);
    EXPECT_EQ(s.dd, dd);
    EXPECT_EQ(s.yen, 100000);
}

TEST_F(JourneyTest, ARideWestwardShowsTheIndentedCaption)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    release(Left);
    tick();
    EXPECT_EQ(travel.Label3.Caption, "　　ヒッチハイクに成功");
}

// A key press puts the hiker back on foot for the ride draw: the next ride
// is announced again. In Bangladesh every press gives a ride.
TEST_F(JourneyTest, ARideAfterAKeyPressIsAnnouncedAgain)
{
    useMap(TestMap().fill(230, 110, 250, 130, Bangladesh));
    s.leg.PP = s.leg.PN = Bangladesh;
    s.leg.PPA = s.leg.PNA = 0;  // no mountains, which would keep the marker
    release(Right);
    tick(8);
    press(Right);
    release(Right);
    const int dd = s.dd;
    tick();
    EXPECT_EQ(s.dd, dd + 1);
}

struct RideLengthCase {
    std::uint32_t rideLimitDraw;
    int ticks;
};

class RideLengthTest : public JourneyTest, public ::testing::WithParamInterface<RideLengthCase> {};

// The limit is drawn on every tick; a clock that never moves draws the same
// one each time.
TEST_P(RideLengthTest, ARideEndsAtItsDrawnLimitAndTheHikerWalks)
{
    const RideLengthCase& c = GetParam();
    clock.milliseconds =
        millisecondsWhere(1, [&](auto ride, auto loss) { return ride == c.rideLimitDraw && loss; });
    useMap(TestMap().fill(0, 110, 255, 130, Japan));
    release(Right);
    tick(c.ticks - 1);
    EXPECT_EQ(s.noRide, 0);
    EXPECT_EQ(s.rideTicks, c.ticks - 1);
    tick();
    EXPECT_EQ(s.noRide, 1);
    EXPECT_EQ(s.rideTicks, 0);
    tick();
    EXPECT_EQ(travel.Label3.Caption, "徒歩");
    EXPECT_EQ(travel.Shape1Color, colors::Purple);
    EXPECT_EQ(s.travelSpeed, Walking);
}

INSTANTIATE_TEST_SUITE_P(Limits, RideLengthTest,
                         ::testing::Values(RideLengthCase{0, 40}, RideLengthCase{3, 112},
                                           RideLengthCase{7, 208}));

TEST_F(JourneyTest, BoardingAShipLeavesTheCamelAndEndsTheRide)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).set(241, 119, WaterTile));
    s.leg.PS = WaterTile;
    s.HaveRakuda = true;
    release(Right);
    tick();
    EXPECT_FALSE(s.HaveRakuda);
    EXPECT_EQ(s.noRide, 1);
    EXPECT_EQ(s.costRate, 10);
}

struct RoadCase {
    const char* name;
    std::uint8_t ahead;
    bool passes;
};

class RoadTest : public JourneyTest, public ::testing::WithParamInterface<RoadCase> {};

// A leg runs through cities and its own two countries; Korea has been
// entered on this leg already, so the crossing does not make it the present
// country.
TEST_P(RoadTest, OnlyTheLegsCodesAreRoads)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).set(241, 119, GetParam().ahead));
    s.leg.PN = s.leg.PNA = s.leg.PNB = Korea;
    s.leg.PPB = ChinaSecond;
    s.nyukoku = true;
    s.noRide = 1;
    release(Right);
    tick();
    EXPECT_EQ(s.bounceCount, GetParam().passes ? 0 : 1);
    EXPECT_EQ(s.ScrollX, GetParam().passes ? 18 : 14);
}

INSTANTIATE_TEST_SUITE_P(Cells, RoadTest,
                         ::testing::Values(RoadCase{"City", CityTile, true},
                                           RoadCase{"Destination", Korea, true},
                                           RoadCase{"AnotherCountry", Russia, false},
                                           RoadCase{"ThirdRegion", ChinaSecond, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(JourneyTest, WaterIsRefusedOnALegWithoutASea)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).set(241, 119, WaterTile));
    release(Right);
    tick();
    EXPECT_EQ(s.MoveDir, Direction::West);  // turned back west
    EXPECT_EQ(s.ScrollX, 14);
}

TEST_F(JourneyTest, MountainsAreClimbedSlowlyWithALineEveryFourthTick)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).fill(241, 110, 250, 130, JapanAlps));
    s.noRide = 1;
    release(Right);
    tick();
    EXPECT_EQ(lastLine(), "　　坂道ばかり・・・疲れた");
    EXPECT_EQ(s.day, 1440 + 480);
    EXPECT_EQ(travel.Timer1Interval, 2000);
    const int dd = s.dd;
    tick(3);
    EXPECT_EQ(s.dd, dd + 2);  // the day heading of day 2 only
    tick();
    EXPECT_EQ(lastLine(), "　　坂道ばかり・・・疲れた");
}

// The destination's mountains are climbed before its border is crossed.
TEST_F(JourneyTest, TheDestinationsMountainsAreClimbedToo)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).set(241, 119, ChinaSecond));
    s.leg.PN = China;
    s.leg.PNA = ChinaSecond;
    s.noRide = 1;
    release(Right);
    tick();
    EXPECT_EQ(travel.Label3.Caption, "山登り");
    EXPECT_EQ(s.bounceCount, 0);
    EXPECT_EQ(s.leg.PP, Japan);
}

TEST_F(JourneyTest, WithSneakersTheMountainsAreRefused)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).fill(241, 110, 250, 130, JapanAlps));
    s.HaveKutu = true;
    release(Right);
    tick();
    EXPECT_EQ(s.MoveDir, Direction::West);
    EXPECT_EQ(s.bounceCount, 1);
}

// A ride that meets mountains climbs; once past them the ride goes on and is
// announced anew.
TEST_F(JourneyTest, ARideResumesAfterAClimb)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan).set(241, 119, JapanAlps));
    release(Right);
    tick(8);
    EXPECT_EQ(s.noRide, 0);
    EXPECT_EQ(travel.Shape1Color, colors::White);
    tick();
    EXPECT_EQ(travel.Shape1Color, colors::Red);
    EXPECT_EQ(travel.Label3.Caption, "ヒッチハイクに成功");
}

// With a horse in a country without a mountain region nothing changes: a
// key press has set walking speed, the cost stays and the ticks are 10 ms.
TEST_F(JourneyTest, AHorseWhereItCannotBeRiddenLeavesTheModeUnchanged)
{
    useMap(TestMap().fill(230, 110, 250, 130, Korea));
    s.leg.PP = s.leg.PN = s.leg.PPA = s.leg.PNA = Korea;
    s.HaveUma = true;
    s.costRate = 2;
    travel.Shape1Color = colors::Green;
    travel.Label3.Caption = "馬上";
    press(Right);
    release(Right);
    tick();
    EXPECT_EQ(s.travelSpeed, Walking);
    EXPECT_EQ(s.costRate, 2);
    EXPECT_EQ(travel.Timer1Interval, 10);
    EXPECT_EQ(travel.Label3.Caption, "");
    EXPECT_EQ(travel.Shape1Color, colors::Green);
    EXPECT_EQ(s.day, 1440 + 120);
}

TEST_F(JourneyTest, AHorseIsNotRiddenIntoTheMountains)
{
    useMap(TestMap().fill(230, 110, 250, 130, China).set(241, 119, ChinaSecond));
    s.leg.PP = s.leg.PN = China;
    s.leg.PPA = s.leg.PNA = ChinaSecond;
    s.HaveUma = true;
    release(Right);
    tick();
    EXPECT_EQ(s.bounceCount, 1);  // animals do not climb, and PPA is no road
}

}  // namespace
}  // namespace korvalin::testing

// Money in the status bar: ten-thousands, "万", the rest without zeros, "円".
#include "journey/status_captions.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

struct MoneyCase {
    int yen;
    std::string_view caption;
};

class MoneyCaptionTest : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(MoneyCaptionTest, ShowsManAndYen)
{
    EXPECT_EQ(moneyCaption(GetParam().yen), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Amounts, MoneyCaptionTest,
                         ::testing::Values(MoneyCase{123456, "12万3456円"},
                                           MoneyCase{50005, "5万5円"}, MoneyCase{0, "0万0円"},
                                           MoneyCase{9999, "0万9999円"}, MoneyCase{10000, "1万0円"},
                                           MoneyCase{200000, "20万0円"}));

TEST(DayCaptionTest, ShowsTheDayNumber)
{
    EXPECT_EQ(dayCaption(1440), "1日");
    EXPECT_EQ(dayCaption(2 * 1440 - 1), "1日");
    EXPECT_EQ(dayCaption(190 * 1440), "190日");
}

TEST_F(JourneyTest, MoneyNeverGoesBelowZeroOnTheRoad)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    s.noRide = 1;
    s.yen = 40;
    release(Right);
    tick();
    EXPECT_EQ(s.yen, 10);
    tick();
    EXPECT_EQ(s.yen, 0);
    EXPECT_EQ(travel.Label4.Caption, "0万0円");
}

// The bank, a job, the shop or a load change the purse and the clock while
// the hiker stands still; the status bar shows them on the next tick.
TEST_F(JourneyTest, TheStatusBarShowsThePurseAndDayHoweverTheyChanged)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    tick();
    s.yen += 200000;
    s.day += 3 * 1440;
    tick();
    EXPECT_EQ(travel.Label4.Caption, "30万0円");
    EXPECT_EQ(travel.Label2.Caption, "4日");
}

// A key press may leave the purse below zero; the next step sets it to 0.
TEST_F(JourneyTest, AStepAfterAnExpensiveKeyPressShowsZero)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    s.yen = 0;
    press(Right);
    EXPECT_EQ(s.yen, -100);
    release(Right);
    tick();
    EXPECT_EQ(s.yen, 0);
}

// A saved game may hold the lowest purse there is: a key press keeps it
// there and the next step empties it like any debt, never wrapping it into
// a fortune.
TEST_F(JourneyTest, APurseAtTheBottomOfItsRangeNeverWrapsIntoAFortune)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    s.yen = std::numeric_limits<std::int32_t>::min();
    press(Right);
    EXPECT_EQ(s.yen, std::numeric_limits<std::int32_t>::min());
    s.noRide = 1;
    release(Right);
    tick();
    EXPECT_EQ(s.yen, 0);
}

}  // namespace
}  // namespace korvalin::testing

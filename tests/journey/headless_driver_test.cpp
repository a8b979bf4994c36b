// The journey without a window: ticks, keys and the wall time they take.
#include "headless/headless_driver.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

using Action = ScheduledKey::Action;

class DriverTest : public JourneyTest {
protected:
    DriverTest()
    {
        useMap(TestMap().fill(0, 100, 255, 140, Japan).fill(0, 80, 255, 99, JapanAlps));
    }

    HeadlessDriver driver{game};
};

struct PaceCase {
    const char* name;
    std::function<void(GameState&)> setUp;
    int key;
    std::int64_t millisecondsPerCell;
};

class PaceTest : public DriverTest, public ::testing::WithParamInterface<PaceCase> {};

// Seven intervals of the mode and one boundary interval make a cell.
TEST_P(PaceTest, ACellTakesSevenModeIntervalsAndOneBoundary)
{
    GetParam().setUp(s);
    release(GetParam().key);
    driver.run(8);
    EXPECT_EQ(driver.elapsedMilliseconds(), GetParam().millisecondsPerCell);
    EXPECT_EQ(driver.ticks(), 8);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PaceTest,
    ::testing::Values(PaceCase{"Walking", [](GameState& s) { s.noRide = 1; }, Right, 3550},
                      PaceCase{"ShoeWalking",
                               [](GameState& s) {
                                   s.noRide = 1;
                                   s.HaveKutu = true;
                               },
                               Right, 1800},
                      PaceCase{"Ride", [](GameState&) {}, Right, 400},
                      PaceCase{"Climbing",
                               [](GameState& s) {
                                   s.noRide = 1;
                                   s.MapY = 86;  // at (240, 100), the Alps to the north
                               },
                               Up, 14050}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriverTest, KeysArriveBeforeTheirTick)
{
    s.noRide = 1;
    const ScheduledKey keys[] = {
        {0, Action::Release, Right}, {3, Action::Press, Right}, {10, Action::Release, Left}};
    driver.run(10, keys);
    EXPECT_EQ(s.MapX, 226);
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_LE(s.yen, 100000 - 100 - 3 * 30);  // three steps on foot, then the press
    driver.run(1, std::span(keys).subspan(2));
    EXPECT_EQ(s.MoveDir, Direction::West);
    EXPECT_EQ(driver.ticks(), 11);
}

TEST_F(DriverTest, StandingStillTicksEvery10Milliseconds)
{
    driver.run(100);
    EXPECT_EQ(driver.elapsedMilliseconds(), 1000);
}

TEST_F(JourneyTest, ASimulatedClockMovesWithTheWaits)
{
    SimulatedClock simulated(SimulatedClock::MillisecondsPerDay - 5);
    Game headless{ui, simulated};
    HeadlessDriver driver{headless, simulated};
    driver.run(1);
    EXPECT_EQ(simulated.millisecondsSinceMidnightUtc(), 5u);
}

}  // namespace
}  // namespace korvalin::testing

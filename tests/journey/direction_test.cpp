// The direction state machine: a move once begun finishes its cell.
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

class DirectionTest : public JourneyTest {
protected:
    DirectionTest()
    {
        useMap(TestMap().fill(200, 80, 255, 160, Japan));
        s.noRide = 1;
    }
};

TEST_F(DirectionTest, ReleasingUpStartsAtOnceAndGoesOn)
{
    release(Up);
    EXPECT_EQ(s.MoveDir, Direction::North);
    tick();
    EXPECT_EQ(s.ScrollY, 14);
    tick(7);
    EXPECT_EQ(s.MapY, 104);
    EXPECT_EQ(s.ScrollY, 16);
    EXPECT_EQ(s.MoveDir, Direction::North);
    tick();
    EXPECT_EQ(s.ScrollY, 14);
}

TEST_F(DirectionTest, AKeyPressDuringAMoveStopsOnTheNextCell)
{
    release(Right);
    tick(3);
    press(Right);
    EXPECT_EQ(s.MoveDir, Direction::East);
    tick(5);
    EXPECT_EQ(s.MapX, 226);
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_EQ(s.ScrollX, 16);
    EXPECT_EQ(s.ScrollY, 16);
    tick(3);
    EXPECT_EQ(s.MapX, 226);
    EXPECT_EQ(s.ScrollX, 16);
}

TEST_F(DirectionTest, ATurnWaitsForTheCellBoundary)
{
    release(Up);
    tick(2);
    release(Left);
    EXPECT_EQ(s.MoveDir, Direction::North);
    EXPECT_EQ(s.WantDir, Direction::West);
    tick(6);
    EXPECT_EQ(s.MapY, 104);
    EXPECT_EQ(s.MapX, 225);
    EXPECT_EQ(s.MoveDir, Direction::West);
    tick(8);
    EXPECT_EQ(s.MapX, 224);
}

struct StepCase {
    int key;
    std::uint8_t mapX, mapY;
    std::uint8_t scrollX, scrollY;  // after one tick
};

class ScrollTest : public DirectionTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ScrollTest, EachDirectionScrollsItsAxisAndMovesOneCell)
{
    const StepCase& c = GetParam();
    release(c.key);
    tick();
    EXPECT_EQ(s.ScrollX, c.scrollX);
    EXPECT_EQ(s.ScrollY, c.scrollY);
    press(c.key);
    tick(7);
    EXPECT_EQ(s.MapX, c.mapX);
    EXPECT_EQ(s.MapY, c.mapY);
}

INSTANTIATE_TEST_SUITE_P(Directions, ScrollTest,
                         ::testing::Values(StepCase{Up, 225, 104, 16, 14},
                                           StepCase{Down, 225, 106, 16, 18},
                                           StepCase{Left, 224, 105, 14, 16},
                                           StepCase{Right, 226, 105, 18, 16}));

TEST_F(JourneyTest, TheWorldWrapsEastOfColumn255)
{
    useMap(TestMap().fill(0, 0, 255, 255, Japan));
    s.MapX = 255;
    s.noRide = 1;
    release(Right);
    tick(8);
    EXPECT_EQ(s.MapX, 0);
}

TEST_F(DirectionTest, StandingStillAllChecksRunAndNothingMoves)
{
    tick(20);
    EXPECT_EQ(s.MapX, 225);
    EXPECT_EQ(s.day, 1440);
    EXPECT_EQ(travel.Timer1Interval, 10);
    EXPECT_EQ(game.state.countryCaption, "日本");
}

TEST_F(DirectionTest, DeactivationStopsAtTheNextBoundaryAndTicksAtOnce)
{
    release(Down);
    tick(2);
    travel.FormDeactivate();
    EXPECT_EQ(travel.Timer1Interval, 1);
    tick(6);
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_EQ(s.MapY, 106);
}

TEST_F(DirectionTest, TheTickShiftsTheViewOnlyAtTheBoundary)
{
    release(Right);
    const unsigned revision = game.view.revision();
    tick(7);
    EXPECT_EQ(game.view.revision(), revision);
    tick();
    EXPECT_NE(game.view.revision(), revision);
}

}  // namespace
}  // namespace korvalin::testing

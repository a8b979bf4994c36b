// The hiker's trail: each cell he enters, in order, with the day he entered it.
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

// Japan ends one cell north of Kanazawa; beyond is sea on a leg without
// ships, so a step north is refused there and turned back.
class TrailTest : public JourneyTest {
protected:
    TrailTest()
    {
        useMap(TestMap().fill(230, 118, 250, 130, Japan));
        s.noRide = 1;
    }

    std::vector<TrailCell> trail() const
    {
        const auto cells = game.trail.cells();
        return {cells.begin(), cells.end()};
    }
};

// Walking costs 16 hours a cell: the first cell is entered on day 1, the
// one he is turned back into on day 2.
TEST_F(TrailTest, EachCellEnteredIsAddedOnceWithItsDayAndARefusedCellNever)
{
    release(Up);
    tick(7);
    EXPECT_TRUE(trail().empty());  // still crossing
    tick();
    EXPECT_EQ(trail(), (std::vector<TrailCell>{{1, 240, 118}}));
    tick();  // the sea ahead: refused
    EXPECT_EQ(trail().size(), 1u);
    tick(7);
    EXPECT_EQ(trail(), (std::vector<TrailCell>{{1, 240, 118}, {2, 240, 119}}));
}

}  // namespace
}  // namespace korvalin::testing

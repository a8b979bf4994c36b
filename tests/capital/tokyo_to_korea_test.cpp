// The first leg abroad played through: the visa in Tokyo, leaving, and the
// crossing into Korea on the real world grid under the journey's own rules.
#include <algorithm>
#include <vector>

#include "capital_fixture.h"
#include "support/road.h"

namespace korvalin::testing {
namespace {

// A cell of Japan or the sea beside Korea, reached over Japan and the sea
// and avoiding every other city on the way.
std::vector<Cell> wayToKorea(const WorldGrid& grid, Cell from)
{
    const auto code = [&](Cell c) { return grid.cell(c.x, c.y); };
    return shortestWay(
        from, [&](Cell c) { return code(c) == Japan || code(c) == WaterTile; },
        [&](Cell c) {
            return code(c) != Korea &&
                   (code({c.x - 1, c.y}) == Korea || code({c.x + 1, c.y}) == Korea ||
                    code({c.x, c.y - 1}) == Korea || code({c.x, c.y + 1}) == Korea);
        });
}

class TokyoToKoreaTest : public CapitalTest {
protected:
    static void SetUpTestSuite() { world.build(); }
    static WorldGrid world;

    Cell hiker() const { return {hikerX(), hikerY()}; }
};

WorldGrid TokyoToKoreaTest::world;

TEST_F(TokyoToKoreaTest, TheVisaTakesTheHikerAcrossTheSeaIntoKorea)
{
    game.world = world;
    arriveInTokyo();
    s.konzatsuno = 4;
    dlg.chooseDestination(1);
    dlg.obtainVisa();
    dlg.OKBtnClick();
    dlg.FormClose();
    EXPECT_EQ(lastLine(), "　　東京を出発。");
    EXPECT_FALSE(s.visaToGet);

    const std::vector<Cell> way = wayToKorea(world, hiker());
    ASSERT_FALSE(way.empty());
    s.noRide = 1;  // on foot and by ship, step by step
    ASSERT_TRUE(walkWay(game, way)) << "stopped at " << hikerX() << "," << hikerY();
    EXPECT_EQ(s.leg.PP, Korea);
    EXPECT_TRUE(s.nyukoku);
    EXPECT_TRUE(s.visaToGet);
    EXPECT_EQ(s.visaFor, 0);
}

}  // namespace
}  // namespace korvalin::testing

// The first leg abroad played through: the visa in Tokyo, leaving, and the
// crossing into Korea on the real world grid under the journey's own rules.
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "capital_fixture.h"

namespace korvalin::testing {
namespace {

struct Cell {
    int x, y;
    auto operator<=>(const Cell&) const = default;
};

constexpr std::array<std::pair<int, Cell>, 4> Steps = {
    {{Up, {0, -1}}, {Down, {0, 1}}, {Left, {-1, 0}}, {Right, {1, 0}}}};

// The shortest way over Japan and the sea to a cell beside Korea, avoiding
// every other city on the way.
std::vector<Cell> wayToKorea(const WorldGrid& grid, Cell from)
{
    std::map<Cell, Cell> cameFrom{{from, from}};
    std::deque<Cell> todo{from};
    while (!todo.empty()) {
        const Cell here = todo.front();
        todo.pop_front();
        if (grid.cell(here.x, here.y) != Korea && std::ranges::any_of(Steps, [&](const auto& step) {
                return grid.cell(here.x + step.second.x, here.y + step.second.y) == Korea;
            })) {
            std::vector<Cell> way{here};
            while (way.back() != from)
                way.push_back(cameFrom.at(way.back()));
            return {way.rbegin(), way.rend()};
        }
        for (const auto& [key, d] : Steps) {
            const Cell next{here.x + d.x, here.y + d.y};
            const std::uint8_t code = grid.cell(next.x, next.y);
            if ((code == Japan || code == WaterTile) && !cameFrom.contains(next)) {
                cameFrom.emplace(next, here);
                todo.push_back(next);
            }
        }
    }
    return {};
}

int keyFor(Cell from, Cell to)
{
    for (const auto& [key, d] : Steps) {
        if (from.x + d.x == to.x && from.y + d.y == to.y)
            return key;
    }
    return 0;
}

class TokyoToKoreaTest : public CapitalTest {
protected:
    static void SetUpTestSuite() { world.build(); }
    static WorldGrid world;

    Cell hiker() const { return {hikerX(), hikerY()}; }

    // Steps along the way, asking for each turn while the step before it is
    // under way, as a player does; true when the hiker kept to the way.
    bool walk(const std::vector<Cell>& way)
    {
        release(keyFor(way[0], way[1]));
        for (std::size_t i = 1; i < way.size(); ++i) {
            if (i + 1 < way.size())
                release(keyFor(way[i], way[i + 1]));
            for (int t = 0; t < 40 && hiker() != way[i]; ++t)
                tick();
            if (hiker() != way[i])
                return false;
        }
        tick(8);
        return true;
    }
};

WorldGrid TokyoToKoreaTest::world;

TEST_F(TokyoToKoreaTest, TheVisaTakesTheHikerAcrossTheSeaIntoKorea)
{
    game.world = world;
    arriveInTokyo();
    s.konzatsuno = 4;
    dlg.RadioButtonClick(1);
    dlg.Button7Click();
    dlg.OKBtnClick();
    dlg.FormClose();
    EXPECT_EQ(lastLine(), "　　東京を出発。");
    EXPECT_FALSE(dlg.Button7Visible);

    const std::vector<Cell> way = wayToKorea(world, hiker());
    ASSERT_FALSE(way.empty());
    s.noRide = 1;  // on foot and by ship, step by step
    ASSERT_TRUE(walk(way)) << "stopped at " << hikerX() << "," << hikerY();
    EXPECT_EQ(s.leg.PP, Korea);
    EXPECT_TRUE(s.nyukoku);
    EXPECT_TRUE(dlg.Button7Visible);
    EXPECT_TRUE(std::ranges::all_of(dlg.RadioButtons, &CapitalDlg::RadioButton::Enabled));
}

}  // namespace
}  // namespace korvalin::testing

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "capital/city_table.h"
#include "journey/arrival_spots.h"
#include "world/world_grid.h"

namespace korvalin {
namespace {

inline constexpr int LegCount = 315;

struct Move {
    Direction dir;
    int dx, dy;
};
inline constexpr std::array<Move, 4> Moves{{{Direction::North, 0, -1},
                                            {Direction::South, 0, 1},
                                            {Direction::West, -1, 0},
                                            {Direction::East, 1, 0}}};

// Whether a hiker on foot, without shoes or animals, can walk a leg from
// `start` to the destination spot: the movement step's passability and
// climbing, and the border crossing that makes the destination the present
// country once the destination lies within one cell.
class LegWalk {
public:
    LegWalk(const WorldGrid& grid, LegCodes codes, const Spot& goal)
        : grid_(grid), start_(codes), goal_(goal)
    {
    }

    bool from(int x, int y) const
    {
        std::vector<bool> seen(GridSize * GridSize * 2);
        std::vector<State> todo{{x, y, false}};
        seen[key(todo.back())] = true;
        while (!todo.empty()) {
            State s = todo.back();
            todo.pop_back();
            const LegCodes codes = codesAt(s);
            s.crossed = s.crossed || crosses(codes, s.x, s.y);
            const LegCodes now = s.crossed ? crossedCodes() : start_;
            for (const Move& m : Moves) {
                const Spot* spot =
                    spotEntered(std::span{&goal_, 1}, s.x, s.y, static_cast<std::uint8_t>(m.dir));
                if (spot != nullptr)
                    return true;
                const State next{(s.x + m.dx) & 255, (s.y + m.dy) & 255, s.crossed};
                if (!enterable(now, grid_.cell(next.x, next.y)) || seen[key(next)])
                    continue;
                seen[key(next)] = true;
                todo.push_back(next);
            }
        }
        return false;
    }

private:
    struct State {
        int x, y;
        bool crossed;
    };

    static std::size_t key(const State& s)
    {
        return static_cast<std::size_t>((s.x * GridSize + s.y) * 2 + (s.crossed ? 1 : 0));
    }

    LegCodes codesAt(const State& s) const { return s.crossed ? crossedCodes() : start_; }

    LegCodes crossedCodes() const
    {
        LegCodes c = start_;
        c.PP = c.PN;
        c.PPA = c.PNA;
        c.PPB = c.PNB;
        return c;
    }

    bool crosses(const LegCodes& c, int x, int y) const
    {
        if (c.PN == c.PP)
            return false;
        const std::uint8_t here = grid_.cell(x, y);
        if (here == c.PNA || here == c.PNB || here == c.PN)
            return true;
        return std::ranges::any_of(
            Moves, [&](const Move& m) { return grid_.cell(x + m.dx, y + m.dy) == c.PN; });
    }

    static bool enterable(const LegCodes& c, std::uint8_t t)
    {
        const bool climb = (c.PP != c.PPA && t == c.PPA) || (c.PN != c.PNA && t == c.PNA);
        return climb || t == CapitalTile || t == CityTile || t == c.PS || t == c.PP || t == c.PN;
    }

    const WorldGrid& grid_;
    LegCodes start_;
    Spot goal_;
};

const Spot* capitalSpotAt(int x, int y)
{
    const auto it =
        std::ranges::find_if(CapitalSpots, [&](const Spot& s) { return s.x == x && s.y == y; });
    return it == CapitalSpots.end() ? nullptr : &*it;
}

// The capital of the destination country: its spot, or the London cell.
const Spot* destinationSpot(std::string_view country)
{
    if (country == "イギリス")
        return &LondonCell;
    const auto row =
        std::ranges::find_if(CityTable, [&](const CityRow& r) { return r.country == country; });
    return row == CityTable.end() ? nullptr : capitalSpotAt(row->x, row->y);
}

class WorldLegsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { grid.build(); }
    static WorldGrid grid;
};

WorldGrid WorldLegsTest::grid;

TEST_F(WorldLegsTest, EveryLegOfTheCapitalTableCanBeWalked)
{
    int legs = 0;
    std::set<std::string> unwalkable;
    for (const CityRow& capital : CityTable) {
        if (!isCapitalRow(capital))
            continue;
        const auto destinations = capital.destinations();
        for (int k = 1; k <= std::ssize(destinations); ++k) {
            ++legs;
            const std::string name =
                std::string(capital.caption) + " -> " + std::string(destinations[k - 1]);
            const auto codes = legCodes(capital, k);
            const Spot* goal = destinationSpot(destinations[k - 1]);
            ASSERT_TRUE(codes && goal) << name;
            if (!LegWalk(grid, *codes, *goal).from(capital.x, capital.y))
                unwalkable.insert(name);
        }
    }
    EXPECT_EQ(legs, LegCount);
    EXPECT_EQ(unwalkable, std::set<std::string>{});
}

TEST_F(WorldLegsTest, TheFirstLegFromKanazawaReachesTokyo)
{
    constexpr LegCodes japan{
        .PP = 14, .PPA = 111, .PPB = 111, .PN = 14, .PNA = 111, .PNB = 111, .PS = NoExtraTile};
    const Spot* tokyo = capitalSpotAt(245, 118);
    ASSERT_NE(tokyo, nullptr);
    EXPECT_TRUE(LegWalk(grid, japan, *tokyo).from(240, 119));
}

TEST_F(WorldLegsTest, AWalkStopsAtTheBorderWithoutAVisaForTheCountryBeyond)
{
    // Tokyo to Seoul by land only: without the sea leg the hiker never leaves Japan.
    constexpr LegCodes landOnly{
        .PP = 14, .PPA = 111, .PPB = 111, .PN = 9, .PNA = 9, .PNB = 9, .PS = NoExtraTile};
    const Spot* seoul = capitalSpotAt(223, 127);
    ASSERT_NE(seoul, nullptr);
    EXPECT_FALSE(LegWalk(grid, landOnly, *seoul).from(245, 118));
}

}  // namespace
}  // namespace korvalin

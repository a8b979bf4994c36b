#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "journey/arrival_spots.h"
#include "journey/leg_search.h"
#include "world/city_table.h"
#include "world/world_grid.h"

namespace korvalin {
namespace {

inline constexpr int LegCount = 315;

// A hiker on foot, without shoes or animals, on a leg with these codes.
bool walkable(const WorldGrid& grid, const LegCodes& c, int x, int y, const Spot& goal)
{
    GameState leg;
    leg.leg = c;
    return searchLeg(grid, leg, x, y, std::span{&goal, 1}).has_value();
}

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
            if (!walkable(grid, *codes, capital.x, capital.y, *goal))
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
    EXPECT_TRUE(walkable(grid, japan, 240, 119, *tokyo));
}

TEST_F(WorldLegsTest, AWalkStopsAtTheBorderWithoutAVisaForTheCountryBeyond)
{
    // Tokyo to Seoul by land only: without the sea leg the hiker never leaves Japan.
    constexpr LegCodes landOnly{
        .PP = 14, .PPA = 111, .PPB = 111, .PN = 9, .PNA = 9, .PNB = 9, .PS = NoExtraTile};
    const Spot* seoul = capitalSpotAt(223, 127);
    ASSERT_NE(seoul, nullptr);
    EXPECT_FALSE(walkable(grid, landOnly, 245, 118, *seoul));
}

}  // namespace
}  // namespace korvalin

// The names a press on the travel view shows, on our own world.
#include <gtest/gtest.h>

#include <set>

#include "journey/journey_fixture.h"
#include "maps/place_names.h"
#include "world/city_table.h"
#include "world/region_table.h"

namespace korvalin {
namespace {

const WorldGrid& world()
{
    static const WorldGrid grid = [] {
        WorldGrid built;
        built.build();
        return built;
    }();
    return grid;
}

std::string_view nameAt(int x, int y)
{
    const auto place = placeNameAt(world(), x, y);
    return place ? place->name : "";
}

class PlaceLookupTest : public testing::JourneyTest {
protected:
    PlaceLookupTest() { game.world = world(); }

    void pressAt(int x, int y) { travel.FormMouseDown(Travel::MouseButton::Left, x, y); }
    std::array<int, 3> panel() const { return {hint.Width, hint.Left, hint.Top}; }

    const Travel::HintPanelState& hint = travel.HintPanel;
};

TEST_F(PlaceLookupTest, WithAMapAPressNamesThePlaceUntilTheButtonIsReleased)
{
    pressAt(240, 208);
    EXPECT_FALSE(hint.Visible);
    for (bool nikki : {false, true}) {
        s.HaveMap = !nikki;
        s.Nikki = nikki;
        pressAt(240, 208);
        EXPECT_TRUE(hint.Visible);
        EXPECT_EQ(hint.Caption, "日本国");
        EXPECT_EQ(panel(), (std::array{45, 240, 208}));
        travel.FormMouseUp();
        EXPECT_FALSE(hint.Visible);
    }
    s.MapX = 243;  // (16, 16) looks at (245, 118), Tokyo, not at (244, 117) in Japan
    s.MapY = 116;
    pressAt(16, 16);
    EXPECT_EQ(hint.Caption, "東京");
    EXPECT_EQ(hint.Width, 30);
}

TEST_F(PlaceLookupTest, ThePanelTurnsBackPastTheMiddleAndIsEmptyWithoutAName)
{
    s.HaveMap = true;
    useMap(testing::TestMap().set(240, 119, testing::ChinaSecond));
    s.MapX = 162;  // (300, 241) looks at (181, 105), the far corner of Lake Baikal's box
    s.MapY = 89;
    pressAt(300, 241);
    EXPECT_EQ(hint.Caption, "バイカル湖");
    EXPECT_EQ(panel(), (std::array{70, 230, 221}));
    pressAt(240, 240);
    EXPECT_EQ(panel(), (std::array{70, 240, 240}));

    s.MapX = 225;  // the unnamed mountains of China at the start cell
    s.MapY = 105;
    pressAt(16 * 14, 16 * 13);
    EXPECT_TRUE(hint.Visible);
    EXPECT_EQ(hint.Width, 0);
}

// The water boxes hold land too: only water cells take the box's name.
TEST(PlaceNamesTest, EveryNamedWaterIsFoundOnTheMapAndNamesOnlyWater)
{
    for (const WaterBox& box : Waters) {
        int found = 0;
        for (int x = box.x0; x <= box.x1; ++x)
            for (int y = box.y0; y <= box.y1; ++y)
                found += nameAt(x, y) == box.place.name ? 1 : 0;
        EXPECT_GT(found, 0) << box.place.name;
    }
    const WaterBox& aral = Waters[1];
    for (int x = aral.x0; x <= aral.x1; ++x)
        for (int y = aral.y0; y <= aral.y1; ++y)
            EXPECT_EQ(nameAt(x, y) == "アラル海", world().cell(x, y) == WaterTile);
    EXPECT_EQ(placeNameAt(world(), 0, 0), OpenSea);
    EXPECT_EQ(placeNameAt(world(), 260, 119), OpenSea);  // past the east edge
}

TEST(PlaceNamesTest, CapitalAndCityCellsNameTheirOwnPlace)
{
    for (const Region& region : Regions) {
        if (region.capitalX < 0 || world().cell(region.capitalX, region.capitalY) != CapitalTile)
            continue;
        const auto place = placeNameAt(world(), region.capitalX, region.capitalY);
        EXPECT_EQ(place.value_or(PlaceName{"", 0}),
                  (PlaceName{region.capital, region.capitalWidth}));
    }
    for (const CityRow& row : std::span(CityTable).subspan(CapitalRowCount))
        EXPECT_EQ(nameAt(row.x, row.y), cityName(row));
}

TEST(PlaceNamesTest, TheMountainsOfFranceArePyreneesUpToColumn34AndAlpsBeyond)
{
    std::set<std::string_view> names;
    for (int x = 0; x < GridSize; ++x) {
        for (int y = 0; y < GridSize; ++y) {
            if (world().cell(x, y) == RegionCodes(FranceMountainsEntry)) {
                EXPECT_EQ(nameAt(x, y), x <= 34 ? "ピレネー山脈" : "アルプス山脈") << x;
                names.insert(nameAt(x, y));
            }
        }
    }
    EXPECT_EQ(names.size(), 2u);
}

}  // namespace
}  // namespace korvalin

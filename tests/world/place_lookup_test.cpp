// The names a press on the travel view shows, on our own world.
#include <gtest/gtest.h>

#include "capital/city_table.h"
#include "journey/journey_fixture.h"
#include "world/place_names.h"
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

class PlaceLookupTest : public testing::JourneyTest {
protected:
    PlaceLookupTest()
    {
        game.world = world();
        s.HaveMap = true;
    }

    const Travel::HintPanelState& hint = travel.HintPanel;
};

TEST_F(PlaceLookupTest, APressAtTheStartNamesJapanUntilTheButtonIsReleased)
{
    travel.FormMouseDown(Travel::MouseButton::Left, 240, 208);
    EXPECT_TRUE(hint.Visible);
    EXPECT_EQ(hint.Caption, "日本国");
    EXPECT_EQ((std::array{hint.Width, hint.Left, hint.Top}), (std::array{45, 240, 208}));
    travel.FormMouseUp();
    EXPECT_FALSE(hint.Visible);

    s.HaveMap = false;
    s.Nikki = true;
    travel.FormMouseDown(Travel::MouseButton::Right, 240, 208);
    EXPECT_TRUE(hint.Visible);
    travel.FormMouseUp();

    s.Nikki = false;
    travel.FormMouseDown(Travel::MouseButton::Left, 240, 208);
    EXPECT_FALSE(hint.Visible);
}

// The view's first column and row are the cells off its top-left corner.
TEST_F(PlaceLookupTest, TheTileUnderThePointerIsCountedFromTheCellOffTheCorner)
{
    s.MapX = 243;  // (245, 118) is Tokyo, (244, 117) Japan
    s.MapY = 116;
    travel.FormMouseDown(Travel::MouseButton::Left, 16, 16);
    EXPECT_EQ(hint.Caption, "東京");
}

TEST_F(PlaceLookupTest, ThePanelTurnsBackPastTheMiddleOfTheView)
{
    useMap(testing::TestMap());
    s.MapX = 162;  // (300, 241) looks at (181, 105), the far corner of Lake Baikal's box
    s.MapY = 89;
    travel.FormMouseDown(Travel::MouseButton::Left, 300, 241);
    EXPECT_EQ(hint.Caption, "バイカル湖");
    EXPECT_EQ((std::array{hint.Left, hint.Top}), (std::array{230, 221}));
    travel.FormMouseDown(Travel::MouseButton::Left, 240, 240);
    EXPECT_EQ((std::array{hint.Left, hint.Top}), (std::array{240, 240}));
}

TEST_F(PlaceLookupTest, AnUnnamedRegionShowsAnEmptyPanel)
{
    useMap(testing::TestMap().set(240, 119, testing::ChinaSecond));
    travel.FormMouseDown(Travel::MouseButton::Left, 16 * 14, 16 * 13);
    EXPECT_TRUE(hint.Visible);
    EXPECT_EQ(hint.Width, 0);
}

// The water boxes hold land too: only water cells take the box's name.
TEST(PlaceNamesTest, TheAralSeaBoxNamesOnlyItsWater)
{
    const WaterBox& aral = Waters[1];
    int land = 0;
    for (int x = aral.x0; x <= aral.x1; ++x) {
        for (int y = aral.y0; y <= aral.y1; ++y) {
            const bool water = world().cell(x, y) == WaterTile;
            land += water ? 0 : 1;
            EXPECT_EQ(placeNameAt(world(), x, y) == aral.place, water) << x << "," << y;
        }
    }
    EXPECT_GT(land, 0);
}

TEST(PlaceNamesTest, EveryNamedWaterIsFoundOnTheMapAndTheRestIsSea)
{
    for (const WaterBox& box : Waters) {
        bool found = false;
        for (int x = box.x0; x <= box.x1 && !found; ++x)
            for (int y = box.y0; y <= box.y1 && !found; ++y)
                found = placeNameAt(world(), x, y) == box.place;
        EXPECT_TRUE(found) << box.place.name;
    }
    EXPECT_EQ(placeNameAt(world(), 0, 0), OpenSea);
    EXPECT_EQ(placeNameAt(world(), 260, 119), OpenSea);  // past the east edge
}

TEST(PlaceNamesTest, EveryCapitalCellNamesItsOwnCountrysCapital)
{
    for (const Region& region : Regions) {
        if (region.capitalX < 0 || world().cell(region.capitalX, region.capitalY) != CapitalTile)
            continue;
        const auto place = placeNameAt(world(), region.capitalX, region.capitalY);
        if (region.capital.empty()) {
            EXPECT_FALSE(place.has_value());
            continue;
        }
        ASSERT_TRUE(place.has_value()) << region.capital;
        EXPECT_EQ(*place, (PlaceName{region.capital, region.capitalWidth}));
    }
}

TEST(PlaceNamesTest, EveryCityCellNamesItsCity)
{
    for (const CityRow& row : std::span(CityTable).subspan(CapitalRowCount)) {
        const auto place = placeNameAt(world(), row.x, row.y);
        ASSERT_TRUE(place.has_value()) << row.caption;
        EXPECT_EQ(place->name, cityName(row));
        EXPECT_GT(place->width, 0);
    }
}

TEST(PlaceNamesTest, TheMountainsOfFranceArePyreneesUpToColumn34AndAlpsBeyond)
{
    int pyrenees = 0, alps = 0;
    for (int x = 0; x < GridSize; ++x) {
        for (int y = 0; y < GridSize; ++y) {
            if (world().cell(x, y) != RegionCodes(FranceMountainsEntry))
                continue;
            const std::string_view name = placeNameAt(world(), x, y)->name;
            EXPECT_EQ(name, x <= 34 ? "ピレネー山脈" : "アルプス山脈") << x << "," << y;
            (x <= 34 ? pyrenees : alps) += 1;
        }
    }
    EXPECT_GT(pyrenees, 0);
    EXPECT_GT(alps, 0);
}

}  // namespace
}  // namespace korvalin

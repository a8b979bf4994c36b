#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "world/city_table.h"
#include "world/region_table.h"
#include "world/world_grid.h"

namespace korvalin {
namespace {

// Each region's number of cells and the box (columns x0-x1, rows y0-y1) that
// its cells fill out exactly.
struct RegionExtent {
    int entry, cells, x0, x1, y0, y1;
};

inline constexpr std::array<RegionExtent, RegionCount> RegionExtents{{
    {.entry = 0, .cells = 176, .x0 = 232, .x1 = 247, .y0 = 95, .y1 = 137},
    {.entry = 1, .cells = 4, .x0 = 242, .x1 = 244, .y0 = 119, .y1 = 121},
    {.entry = 2, .cells = 42, .x0 = 222, .x1 = 229, .y0 = 124, .y1 = 133},
    {.entry = 3, .cells = 59, .x0 = 217, .x1 = 223, .y0 = 112, .y1 = 127},
    {.entry = 4, .cells = 3233, .x0 = 124, .x1 = 221, .y0 = 92, .y1 = 183},
    {.entry = 5, .cells = 730, .x0 = 122, .x1 = 185, .y0 = 113, .y1 = 177},
    {.entry = 6, .cells = 623, .x0 = 124, .x1 = 163, .y0 = 134, .y1 = 163},
    {.entry = 7, .cells = 7854, .x0 = 71, .x1 = 241, .y0 = 22, .y1 = 111},
    {.entry = 8, .cells = 121, .x0 = 73, .x1 = 176, .y0 = 79, .y1 = 112},
    {.entry = 9, .cells = 16, .x0 = 221, .x1 = 223, .y0 = 161, .y1 = 166},
    {.entry = 10, .cells = 592, .x0 = 156, .x1 = 202, .y0 = 105, .y1 = 127},
    {.entry = 11, .cells = 137, .x0 = 152, .x1 = 172, .y0 = 105, .y1 = 124},
    {.entry = 12, .cells = 137, .x0 = 182, .x1 = 200, .y0 = 174, .y1 = 207},
    {.entry = 13, .cells = 114, .x0 = 178, .x1 = 196, .y0 = 176, .y1 = 194},
    {.entry = 14, .cells = 89, .x0 = 186, .x1 = 196, .y0 = 194, .y1 = 204},
    {.entry = 15, .cells = 277, .x0 = 172, .x1 = 191, .y0 = 181, .y1 = 216},
    {.entry = 16, .cells = 142, .x0 = 180, .x1 = 224, .y0 = 208, .y1 = 225},
    {.entry = 17, .cells = 124, .x0 = 224, .x1 = 242, .y0 = 176, .y1 = 203},
    {.entry = 18, .cells = 1, .x0 = 190, .x1 = 190, .y0 = 226, .y1 = 226},
    {.entry = 19, .cells = 589, .x0 = 168, .x1 = 248, .y0 = 213, .y1 = 244},
    {.entry = 20, .cells = 8, .x0 = 215, .x1 = 218, .y0 = 211, .y1 = 214},
    {.entry = 21, .cells = 319, .x0 = 159, .x1 = 178, .y0 = 163, .y1 = 206},
    {.entry = 22, .cells = 11, .x0 = 162, .x1 = 163, .y0 = 175, .y1 = 182},
    {.entry = 23, .cells = 50, .x0 = 151, .x1 = 159, .y0 = 171, .y1 = 180},
    {.entry = 24, .cells = 1372, .x0 = 106, .x1 = 170, .y0 = 155, .y1 = 210},
    {.entry = 25, .cells = 46, .x0 = 130, .x1 = 169, .y0 = 156, .y1 = 174},
    {.entry = 26, .cells = 37, .x0 = 129, .x1 = 134, .y0 = 208, .y1 = 216},
    {.entry = 27, .cells = 359, .x0 = 93, .x1 = 125, .y0 = 145, .y1 = 169},
    {.entry = 28, .cells = 47, .x0 = 105, .x1 = 121, .y0 = 141, .y1 = 160},
    {.entry = 29, .cells = 26, .x0 = 134, .x1 = 150, .y0 = 160, .y1 = 168},
    {.entry = 30, .cells = 44, .x0 = 135, .x1 = 150, .y0 = 158, .y1 = 167},
    {.entry = 31, .cells = 6, .x0 = 153, .x1 = 158, .y0 = 168, .y1 = 168},
    {.entry = 32, .cells = 19, .x0 = 153, .x1 = 159, .y0 = 165, .y1 = 167},
    {.entry = 33, .cells = 147, .x0 = 95, .x1 = 116, .y0 = 137, .y1 = 153},
    {.entry = 34, .cells = 148, .x0 = 98, .x1 = 118, .y0 = 136, .y1 = 152},
    {.entry = 35, .cells = 597, .x0 = 70, .x1 = 98, .y0 = 118, .y1 = 161},
    {.entry = 36, .cells = 156, .x0 = 72, .x1 = 97, .y0 = 116, .y1 = 156},
    {.entry = 37, .cells = 213, .x0 = 56, .x1 = 71, .y0 = 118, .y1 = 140},
    {.entry = 38, .cells = 9, .x0 = 66, .x1 = 68, .y0 = 140, .y1 = 143},
    {.entry = 39, .cells = 165, .x0 = 46, .x1 = 68, .y0 = 167, .y1 = 178},
    {.entry = 40, .cells = 26, .x0 = 48, .x1 = 51, .y0 = 166, .y1 = 175},
    {.entry = 41, .cells = 141, .x0 = 68, .x1 = 86, .y0 = 160, .y1 = 177},
    {.entry = 42, .cells = 59, .x0 = 70, .x1 = 81, .y0 = 153, .y1 = 164},
    {.entry = 43, .cells = 924, .x0 = 44, .x1 = 77, .y0 = 126, .y1 = 172},
    {.entry = 44, .cells = 22, .x0 = 48, .x1 = 50, .y0 = 153, .y1 = 166},
    {.entry = 45, .cells = 13, .x0 = 46, .x1 = 49, .y0 = 121, .y1 = 127},
    {.entry = 46, .cells = 43, .x0 = 46, .x1 = 55, .y0 = 122, .y1 = 129},
    {.entry = 47, .cells = 9, .x0 = 50, .x1 = 53, .y0 = 118, .y1 = 122},
    {.entry = 48, .cells = 87, .x0 = 52, .x1 = 66, .y0 = 115, .y1 = 123},
    {.entry = 49, .cells = 8, .x0 = 49, .x1 = 52, .y0 = 112, .y1 = 115},
    {.entry = 50, .cells = 337, .x0 = 47, .x1 = 73, .y0 = 90, .y1 = 118},
    {.entry = 51, .cells = 49, .x0 = 55, .x1 = 73, .y0 = 106, .y1 = 119},
    {.entry = 52, .cells = 229, .x0 = 88, .x1 = 107, .y0 = 117, .y1 = 139},
    {.entry = 53, .cells = 200, .x0 = 96, .x1 = 121, .y0 = 111, .y1 = 136},
    {.entry = 54, .cells = 25, .x0 = 111, .x1 = 117, .y0 = 131, .y1 = 137},
    {.entry = 55, .cells = 58, .x0 = 113, .x1 = 125, .y0 = 132, .y1 = 141},
    {.entry = 56, .cells = 5, .x0 = 118, .x1 = 127, .y0 = 125, .y1 = 131},
    {.entry = 57, .cells = 79, .x0 = 118, .x1 = 134, .y0 = 125, .y1 = 134},
    {.entry = 58, .cells = 1146, .x0 = 88, .x1 = 148, .y0 = 95, .y1 = 128},
    {.entry = 59, .cells = 23, .x0 = 131, .x1 = 149, .y0 = 113, .y1 = 129},
    {.entry = 60, .cells = 27, .x0 = 73, .x1 = 78, .y0 = 105, .y1 = 118},
    {.entry = 61, .cells = 23, .x0 = 74, .x1 = 78, .y0 = 109, .y1 = 117},
    {.entry = 62, .cells = 31, .x0 = 72, .x1 = 80, .y0 = 103, .y1 = 112},
    {.entry = 63, .cells = 7, .x0 = 74, .x1 = 80, .y0 = 103, .y1 = 108},
    {.entry = 64, .cells = 26, .x0 = 79, .x1 = 83, .y0 = 110, .y1 = 117},
    {.entry = 65, .cells = 2, .x0 = 81, .x1 = 82, .y0 = 110, .y1 = 112},
    {.entry = 66, .cells = 245, .x0 = 61, .x1 = 76, .y0 = 71, .y1 = 94},
    {.entry = 67, .cells = 117, .x0 = 67, .x1 = 80, .y0 = 64, .y1 = 76},
    {.entry = 68, .cells = 39, .x0 = 72, .x1 = 78, .y0 = 57, .y1 = 65},
    {.entry = 69, .cells = 43, .x0 = 76, .x1 = 83, .y0 = 56, .y1 = 65},
    {.entry = 70, .cells = 20, .x0 = 82, .x1 = 87, .y0 = 55, .y1 = 60},
    {.entry = 71, .cells = 161, .x0 = 85, .x1 = 108, .y0 = 41, .y1 = 57},
    {.entry = 72, .cells = 200, .x0 = 72, .x1 = 103, .y0 = 37, .y1 = 51},
    {.entry = 73, .cells = 155, .x0 = 72, .x1 = 110, .y0 = 34, .y1 = 43},
    {.entry = 74, .cells = 147, .x0 = 60, .x1 = 72, .y0 = 54, .y1 = 71},
    {.entry = 75, .cells = 97, .x0 = 53, .x1 = 61, .y0 = 74, .y1 = 88},
    {.entry = 76, .cells = 56, .x0 = 48, .x1 = 57, .y0 = 82, .y1 = 90},
    {.entry = 77, .cells = 60, .x0 = 39, .x1 = 52, .y0 = 86, .y1 = 103},
    {.entry = 78, .cells = 48, .x0 = 46, .x1 = 54, .y0 = 73, .y1 = 82},
    {.entry = 79, .cells = 47, .x0 = 51, .x1 = 60, .y0 = 68, .y1 = 75},
    {.entry = 80, .cells = 158, .x0 = 30, .x1 = 49, .y0 = 56, .y1 = 84},
    {.entry = 81, .cells = 4, .x0 = 44, .x1 = 48, .y0 = 57, .y1 = 60},
    {.entry = 82, .cells = 31, .x0 = 55, .x1 = 62, .y0 = 66, .y1 = 72},
    {.entry = 83, .cells = 49, .x0 = 54, .x1 = 60, .y0 = 56, .y1 = 66},
    {.entry = 84, .cells = 36, .x0 = 49, .x1 = 55, .y0 = 60, .y1 = 67},
    {.entry = 85, .cells = 9, .x0 = 49, .x1 = 52, .y0 = 59, .y1 = 66},
    {.entry = 86, .cells = 15, .x0 = 44, .x1 = 49, .y0 = 54, .y1 = 57},
    {.entry = 87, .cells = 8, .x0 = 44, .x1 = 48, .y0 = 56, .y1 = 59},
    {.entry = 88, .cells = 165, .x0 = 49, .x1 = 66, .y0 = 46, .y1 = 59},
    {.entry = 89, .cells = 20, .x0 = 66, .x1 = 72, .y0 = 43, .y1 = 50},
    {.entry = 90, .cells = 10, .x0 = 55, .x1 = 59, .y0 = 44, .y1 = 46},
    {.entry = 91, .cells = 11, .x0 = 52, .x1 = 54, .y0 = 44, .y1 = 48},
    {.entry = 92, .cells = 261, .x0 = 34, .x1 = 52, .y0 = 35, .y1 = 59},
    {.entry = 93, .cells = 10, .x0 = 34, .x1 = 43, .y0 = 49, .y1 = 58},
    {.entry = 94, .cells = 233, .x0 = 16, .x1 = 33, .y0 = 35, .y1 = 55},
    {.entry = 95, .cells = 4, .x0 = 33, .x1 = 33, .y0 = 48, .y1 = 51},
    {.entry = 96, .cells = 46, .x0 = 18, .x1 = 29, .y0 = 35, .y1 = 43},
    {.entry = 97, .cells = 128, .x0 = 51, .x1 = 69, .y0 = 21, .y1 = 39},
    {.entry = 98, .cells = 7, .x0 = 45, .x1 = 47, .y0 = 83, .y1 = 85},
    {.entry = 99, .cells = 14, .x0 = 42, .x1 = 46, .y0 = 80, .y1 = 85},
    {.entry = 100, .cells = 20, .x0 = 46, .x1 = 50, .y0 = 72, .y1 = 77},
    {.entry = 101, .cells = 20, .x0 = 46, .x1 = 51, .y0 = 69, .y1 = 73},
    {.entry = 102, .cells = 14, .x0 = 46, .x1 = 50, .y0 = 66, .y1 = 69},
    {.entry = 103, .cells = 11, .x0 = 62, .x1 = 63, .y0 = 77, .y1 = 83},
    {.entry = 104, .cells = 31, .x0 = 50, .x1 = 56, .y0 = 19, .y1 = 25},
}};
static_assert(RegionExtents.size() == RegionCount);

inline constexpr int WaterCells = 40247;
inline constexpr int CapitalCells = 78;

class WorldGridTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { grid.build(); }
    static WorldGrid grid;

    static int countOf(std::uint8_t code)
    {
        return static_cast<int>(std::ranges::count(grid.cells(), code));
    }
};

WorldGrid WorldGridTest::grid;

TEST_F(WorldGridTest, EveryRegionHasItsCellCountAndFillsItsBox)
{
    for (const RegionExtent& extent : RegionExtents) {
        SCOPED_TRACE(::testing::Message() << "region entry " << extent.entry);
        const std::uint8_t code = RegionCodes(extent.entry);
        int cells = 0, x0 = GridSize, x1 = -1, y0 = GridSize, y1 = -1;
        for (int x = 0; x < GridSize; ++x) {
            for (int y = 0; y < GridSize; ++y) {
                if (grid.cell(x, y) != code)
                    continue;
                ++cells;
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
        EXPECT_EQ(cells, extent.cells);
        EXPECT_EQ((std::array{x0, x1, y0, y1}),
                  (std::array{extent.x0, extent.x1, extent.y0, extent.y1}));
    }
}

TEST_F(WorldGridTest, EveryCapitalStandsOnItsCellAndSingaporeIsOneCellOfItsOwn)
{
    for (int entry = 0; entry < RegionCount; ++entry) {
        const Region& region = Regions[static_cast<std::size_t>(entry)];
        if (region.capitalX < 0)
            continue;
        SCOPED_TRACE(::testing::Message() << "region entry " << entry);
        const std::uint8_t expected =
            entry == SingaporeEntry ? RegionCodes(SingaporeEntry) : CapitalTile;
        EXPECT_EQ(grid.cell(region.capitalX, region.capitalY), expected);
    }
    EXPECT_EQ(countOf(CapitalTile), CapitalCells);
    EXPECT_EQ(countOf(RegionCodes(SingaporeEntry)), 1);
}

TEST_F(WorldGridTest, EveryCityStandsOnItsCell)
{
    for (const CityRow& row : CityTable) {
        if (isCapitalRow(row))
            continue;
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(grid.cell(row.x, row.y), CityTile);
    }
    EXPECT_EQ(countOf(CityTile), CityRowCount);
}

TEST_F(WorldGridTest, HoldsOnlyWaterPlacesAndRegionCodes)
{
    EXPECT_EQ(countOf(WaterTile), WaterCells);
    EXPECT_EQ(countOf(NoExtraTile), 0);
    for (const std::uint8_t code : grid.cells()) {
        const bool known = code == WaterTile || code == CapitalTile || code == CityTile ||
                           regionEntryOfCode(code) >= 0;
        ASSERT_TRUE(known) << "code " << int{code};
    }
}

TEST_F(WorldGridTest, LandLiesWellInsideTheEdgesSoWrappedCellsAreWater)
{
    for (int x = 0; x < GridSize; ++x) {
        for (int y = 0; y < GridSize; ++y) {
            if (x < 16 || x > 248 || y < 19 || y > 244) {
                ASSERT_EQ(grid.cell(x, y), WaterTile) << "cell (" << x << "," << y << ")";
            }
        }
    }
}

TEST_F(WorldGridTest, KnownCells)
{
    EXPECT_EQ(grid.cell(240, 119), 14);           // the start, in Japan
    EXPECT_EQ(grid.cell(245, 118), CapitalTile);  // Tokyo
    EXPECT_EQ(grid.cell(54, 37), CapitalTile);    // London
    EXPECT_EQ(grid.cell(240, 125), CityTile);     // Osaka
    EXPECT_EQ(grid.cell(0, 0), WaterTile);
}

TEST_F(WorldGridTest, CoordinatesWrapAroundTheEdges)
{
    EXPECT_EQ(grid.cell(245 + 256, 118), CapitalTile);
    EXPECT_EQ(grid.cell(245 - 512, 118 + 256), CapitalTile);
    EXPECT_EQ(grid.cell(-1, -1), grid.cells()[255 * GridSize + 255]);
}

TEST_F(WorldGridTest, CellXYIsByteXTimes256PlusY)
{
    EXPECT_EQ(grid.cells()[245 * GridSize + 118], CapitalTile);
    EXPECT_EQ(grid.cells()[240 * GridSize + 125], CityTile);
}

TEST_F(WorldGridTest, BuildingAgainGivesTheSameGrid)
{
    WorldGrid again;
    again.build();
    EXPECT_EQ(again.cells(), grid.cells());
}

}  // namespace
}  // namespace korvalin

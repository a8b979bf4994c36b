#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "world/country_adjacency.h"
#include "world/region_table.h"
#include "world/tile_codes.h"
#include "world/world_grid.h"

#ifndef KORVALIN_TILE_SHEET
#define KORVALIN_TILE_SHEET "Map25.BMP"
#endif

namespace korvalin {
namespace {

constexpr int SheetSize = 256;
constexpr int TileSize = 16;
constexpr int HeaderSize = 54;
constexpr int RowBytes = SheetSize * 3;

// No two neighbouring countries may come closer than this in RGB space.
constexpr double LookAlikeDistance = 40.0;

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

double distance(Colour a, Colour b)
{
    return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}
double brightness(Colour c)
{
    return c.r + c.g + c.b;
}

std::uint32_t littleEndian(const std::string& bytes, int at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(at + i)]);
    return value;
}

// The sheet as the game finds it on disk, read here without any help from the
// code that wrote it.
class TileSheetFile : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::ifstream file(KORVALIN_TILE_SHEET, std::ios::binary);
        bytes_ = std::string(std::istreambuf_iterator<char>(file), {});
    }

    void SetUp() override
    {
        ASSERT_EQ(bytes_.size(), static_cast<std::size_t>(HeaderSize + RowBytes * SheetSize))
            << KORVALIN_TILE_SHEET
            << " is missing or has the wrong size; build the target tilegen_bmp";
    }

    // Rows are stored bottom-up, each pixel blue, green, red.
    static Colour pixel(int x, int y)
    {
        const auto at =
            static_cast<std::size_t>(HeaderSize + (SheetSize - 1 - y) * RowBytes + 3 * x);
        return {.r = static_cast<double>(static_cast<std::uint8_t>(bytes_[at + 2])),
                .g = static_cast<double>(static_cast<std::uint8_t>(bytes_[at + 1])),
                .b = static_cast<double>(static_cast<std::uint8_t>(bytes_[at]))};
    }

    static Colour tilePixel(std::uint8_t code, int x, int y)
    {
        return pixel(TileSize * (code % 16) + x, TileSize * (code / 16) + y);
    }

    static Colour tileMean(std::uint8_t code)
    {
        Colour sum;
        for (int y = 0; y < TileSize; ++y) {
            for (int x = 0; x < TileSize; ++x) {
                const Colour c = tilePixel(code, x, y);
                sum = {.r = sum.r + c.r, .g = sum.g + c.g, .b = sum.b + c.b};
            }
        }
        constexpr double n = TileSize * TileSize;
        return {.r = sum.r / n, .g = sum.g / n, .b = sum.b / n};
    }

    // A country's own colour: the middle of its flat tile.
    static Colour countryColour(std::uint8_t mainCode) { return tilePixel(mainCode, 7, 7); }

    static std::vector<std::uint8_t> mountainCodes()
    {
        std::vector<std::uint8_t> codes;
        for (const Region& region : Regions) {
            if (countryOfCode(region.code) != region.code)
                codes.push_back(region.code);
        }
        return codes;
    }

    static const WorldGrid& grid()
    {
        static const WorldGrid built = [] {
            WorldGrid g;
            g.build();
            return g;
        }();
        return built;
    }

    static inline std::string bytes_;
};

TEST_F(TileSheetFile, IsAnUncompressed24BitBottomUpWindowsBitmap)
{
    EXPECT_EQ(bytes_.substr(0, 2), "BM");
    EXPECT_EQ(littleEndian(bytes_, 2, 4), bytes_.size());
    EXPECT_EQ(littleEndian(bytes_, 10, 4), static_cast<std::uint32_t>(HeaderSize));
    EXPECT_EQ(littleEndian(bytes_, 14, 4), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(littleEndian(bytes_, 18, 4), static_cast<std::uint32_t>(SheetSize));
    EXPECT_EQ(littleEndian(bytes_, 22, 4),
              static_cast<std::uint32_t>(SheetSize));  // positive: bottom-up
    EXPECT_EQ(littleEndian(bytes_, 26, 2), 1u);
    EXPECT_EQ(littleEndian(bytes_, 28, 2), 24u);
    EXPECT_EQ(littleEndian(bytes_, 30, 4), 0u);  // BI_RGB
}

TEST_F(TileSheetFile, CapitalIsRedWithAYellowSquare)
{
    const Colour ground = tilePixel(CapitalTile, 1, 1);
    const Colour mark = tilePixel(CapitalTile, 7, 7);
    EXPECT_GT(ground.r, 150);
    EXPECT_LT(ground.g, 80);
    EXPECT_LT(ground.b, 80);
    EXPECT_GT(mark.r, 200);
    EXPECT_GT(mark.g, 180);
    EXPECT_LT(mark.b, 80);
}

// The city tile sits at (32, 32) and the mountains of Japan at (240, 96): a
// sheet written top-down or with its tiles shifted fails here.
TEST_F(TileSheetFile, CityAt32By32IsSkyBlueWithARedSquare)
{
    const Colour ground = pixel(33, 33);
    const Colour mark = pixel(39, 39);
    EXPECT_GT(ground.b, 200);
    EXPECT_GT(ground.g, 150);
    EXPECT_LT(ground.r, ground.b);
    EXPECT_GT(mark.r, 180);
    EXPECT_LT(mark.g, 80);
    EXPECT_LT(mark.b, 80);
}

TEST_F(TileSheetFile, MountainsOfJapanAt240By96AreRaisedInJapansPink)
{
    const Colour lit = pixel(240, 96);
    const Colour shaded = pixel(255, 111);
    EXPECT_GT(brightness(lit), brightness(shaded) + 100);
    EXPECT_LT(distance(tileMean(111), countryColour(14)),
              distance(tileMean(111), tileMean(WaterTile)));
}

TEST_F(TileSheetFile, JapanIsPink)
{
    const Colour japan = countryColour(RegionCodes(JapanEntry));
    EXPECT_GT(japan.r, 220);
    EXPECT_GT(japan.b, japan.g);
    EXPECT_GT(japan.r, japan.b + 20);
}

TEST_F(TileSheetFile, EveryCodeInUseHasALandTileOfItsOwn)
{
    std::set<std::uint8_t> inUse(grid().cells().begin(), grid().cells().end());
    for (const Region& region : Regions)
        inUse.insert(region.code);
    inUse.insert({CapitalTile, CityTile});
    inUse.erase(WaterTile);

    const Colour water = tileMean(WaterTile);
    const Colour unused = tileMean(NoExtraTile);
    for (const std::uint8_t code : inUse) {
        const Colour tile = tileMean(code);
        EXPECT_GT(distance(tile, water), LookAlikeDistance)
            << "code " << int{code} << " looks like water";
        EXPECT_GT(distance(tile, unused), LookAlikeDistance)
            << "code " << int{code} << " looks unused";
    }
}

TEST_F(TileSheetFile, SeaIsDeepBlueAndQuiet)
{
    const Colour mean = tileMean(WaterTile);
    EXPECT_GT(mean.b, mean.r + 60);
    EXPECT_LT(brightness(mean), 300);
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x)
            EXPECT_LT(distance(tilePixel(WaterTile, x, y), mean), 40) << "at " << x << "," << y;
    }
}

TEST_F(TileSheetFile, NeighbouringCountriesLookApart)
{
    const auto pairs = neighbouringCountries(grid().cells());
    ASSERT_FALSE(pairs.empty());
    for (const CountryPair& pair : pairs) {
        EXPECT_GT(distance(countryColour(pair.first), countryColour(pair.second)),
                  LookAlikeDistance)
            << "countries " << int{pair.first} << " and " << int{pair.second};
    }
}

// A mountain area must read as part of its own country, not of the one next door.
TEST_F(TileSheetFile, MountainAreasTakeTheirCountrysHue)
{
    const auto pairs = neighbouringCountries(grid().cells());
    for (const std::uint8_t code : mountainCodes()) {
        const std::uint8_t owner = *countryOfCode(code);
        const double toOwner = distance(tileMean(code), countryColour(owner));
        for (const CountryPair& pair : pairs) {
            if (pair.first != owner && pair.second != owner)
                continue;
            const std::uint8_t other = pair.first == owner ? pair.second : pair.first;
            EXPECT_LT(toOwner, distance(tileMean(code), countryColour(other)))
                << "mountain code " << int{code} << " looks like country " << int{other};
        }
    }
}

TEST_F(TileSheetFile, MountainAreasAreLitFromTheTopLeft)
{
    for (const std::uint8_t code : mountainCodes()) {
        EXPECT_GT(brightness(tilePixel(code, 0, 7)), brightness(tilePixel(code, 15, 7)) + 60)
            << int{code};
        EXPECT_GT(brightness(tilePixel(code, 7, 0)), brightness(tilePixel(code, 7, 15)) + 60)
            << int{code};
    }
}

struct OwnerCase {
    std::uint8_t code;
    std::optional<std::uint8_t> country;
};

class CountryOfCode : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(CountryOfCode, FollowsTheCountryTable)
{
    EXPECT_EQ(countryOfCode(GetParam().code), GetParam().country);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, CountryOfCode,
    ::testing::Values(OwnerCase{.code = 14, .country = 14},   // Japan
                      OwnerCase{.code = 111, .country = 14},  // mountains of Japan
                      OwnerCase{.code = 48, .country = 11},   // mountains of China
                      OwnerCase{.code = 64, .country = 11},   // around Lhasa
                      OwnerCase{.code = 67, .country = 7},    // Bhutan's Himalaya
                      OwnerCase{.code = 110, .country = 75},  // Pyrenees of Spain
                      OwnerCase{.code = 1, .country = 1},     // the island east of China
                      OwnerCase{.code = 76, .country = 76},   // Ireland
                      OwnerCase{.code = WaterTile, .country = std::nullopt},
                      OwnerCase{.code = CapitalTile, .country = std::nullopt},
                      OwnerCase{.code = CityTile, .country = std::nullopt},
                      OwnerCase{.code = NoExtraTile, .country = std::nullopt}));

using Cells = std::array<std::uint8_t, GridSize * GridSize>;

Cells sea()
{
    Cells cells;
    cells.fill(WaterTile);
    return cells;
}

void put(Cells& cells, int x, int y, std::uint8_t code)
{
    cells[static_cast<std::size_t>(x * GridSize + y)] = code;
}

bool contains(const std::vector<CountryPair>& pairs, std::uint8_t a, std::uint8_t b)
{
    return std::ranges::find(pairs, CountryPair{.first = std::min(a, b),
                                                .second = std::max(a, b)}) != pairs.end();
}

// Ireland has no capital row and Portugal's only leg goes to Spain, so any
// pair of them comes from touching cells alone.
constexpr std::uint8_t Ireland = 76;
constexpr std::uint8_t Portugal = 81;
constexpr std::uint8_t PyreneesOfSpain = 110;
constexpr std::uint8_t Spain = 75;

TEST(NeighbouringCountries, CellsTouchingSideBySideOrAboveMakeNeighbours)
{
    Cells cells = sea();
    put(cells, 100, 100, Ireland);
    put(cells, 101, 100, Portugal);
    EXPECT_TRUE(contains(neighbouringCountries(cells), Ireland, Portugal));

    cells = sea();
    put(cells, 100, 100, Ireland);
    put(cells, 100, 101, Portugal);
    EXPECT_TRUE(contains(neighbouringCountries(cells), Ireland, Portugal));
}

TEST(NeighbouringCountries, MountainCellsCountForTheirCountry)
{
    Cells cells = sea();
    put(cells, 100, 100, Ireland);
    put(cells, 100, 99, PyreneesOfSpain);
    const auto pairs = neighbouringCountries(cells);
    EXPECT_TRUE(contains(pairs, Ireland, Spain));
    EXPECT_FALSE(contains(pairs, Ireland, PyreneesOfSpain));
}

TEST(NeighbouringCountries, CornersCitiesAndSeaDoNotJoinCountries)
{
    Cells cells = sea();
    put(cells, 100, 100, Ireland);
    put(cells, 101, 101, Portugal);  // corner to corner
    put(cells, 50, 50, Ireland);
    put(cells, 51, 50, CapitalTile);
    put(cells, 52, 50, Portugal);
    put(cells, 50, 60, Ireland);
    put(cells, 50, 61, WaterTile);
    put(cells, 50, 62, Portugal);
    EXPECT_FALSE(contains(neighbouringCountries(cells), Ireland, Portugal));
}

TEST(NeighbouringCountries, EveryLegJoinsItsTwoCountriesEvenAcrossTheSea)
{
    const auto pairs = neighbouringCountries(sea());
    EXPECT_TRUE(contains(pairs, 14, 9));   // Tokyo to Korea
    EXPECT_TRUE(contains(pairs, 14, 6));   // Tokyo to the Philippines
    EXPECT_TRUE(contains(pairs, 20, 79));  // Sri Lanka to Yemen
    EXPECT_TRUE(contains(pairs, 45, 62));  // Kuwait to Saudi Arabia
    EXPECT_TRUE(contains(pairs, 75, 81));  // Spain and Portugal
    for (const CountryPair& pair : pairs) {
        EXPECT_NE(pair.first, Ireland);
        EXPECT_NE(pair.second, Ireland);
    }
}

TEST(NeighbouringCountries, ListsEachPairOnceSmallerCodeFirst)
{
    const auto pairs = neighbouringCountries(sea());
    EXPECT_TRUE(std::ranges::is_sorted(pairs));
    EXPECT_EQ(std::ranges::adjacent_find(pairs), pairs.end());
    for (const CountryPair& pair : pairs)
        EXPECT_LT(pair.first, pair.second);
}

}  // namespace
}  // namespace korvalin

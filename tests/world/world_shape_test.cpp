#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <vector>

#include "world/city_table.h"
#include "world/country_adjacency.h"
#include "world/country_table.h"
#include "world/region_table.h"
#include "world/world_grid.h"

namespace korvalin {
namespace {

// The country of each non-capital city, in the order of the city table.
inline constexpr std::array<std::string_view, CityRowCount> CityCountries{
    "日本",       "韓国",     "中国",           "中国",           "中国",   "中国",
    "中国",       "中国",     "中国",           "インド",         "インド", "イラン",
    "イラン",     "ロシア",   "ロシア",         "ロシア",         "ロシア", "トルコ",
    "パキスタン", "ベトナム", "サウジアラビア", "ウズベキスタン", "タイ",
};

// Countries whose land lies in several pieces: islands, and Russia's
// Kaliningrad. Every other country is one piece; Malaysia's peninsula and its
// part of Borneo are joined by land, since Kuala Lumpur and Brunei trade
// visitors on foot.
inline constexpr std::array<std::pair<std::string_view, int>, 8> SeveralPieces{{
    {"中国", 2},     // Hainan
    {"ロシア", 11},  // Kaliningrad, Sakhalin, the Kurils and the Arctic islands
    {"フィリピン", 6},
    {"インドネシア", 12},
    {"ギリシャ", 2},    // Crete
    {"イタリア", 2},    // Sardinia
    {"デンマーク", 3},  // Jutland, Funen and Zealand
    {"イギリス", 2},    // Great Britain and Northern Ireland
}};

constexpr int SmallestPiece = 3;

struct Step {
    int dx, dy;
    std::uint8_t side;
};
inline constexpr std::array<Step, 4> Steps{
    {{0, -1, side::N}, {0, 1, side::S}, {-1, 0, side::W}, {1, 0, side::E}}};

class WorldShapeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        grid.build();
        // Capital and city cells count as land of the country they belong to.
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                owner[cellIndex(x, y)] = countryOfCode(grid.cell(x, y)).value_or(0);
        for (const Region& region : Regions) {
            if (region.capitalX >= 0)
                owner[cellIndex(region.capitalX, region.capitalY)] = region.code;
        }
        for (int i = 0; i < CityRowCount; ++i) {
            const CityRow& city = CityTable[static_cast<std::size_t>(CapitalRowCount + i)];
            owner[cellIndex(city.x, city.y)] = mainCode(CityCountries[static_cast<std::size_t>(i)]);
        }
    }

    static std::size_t cellIndex(int x, int y)
    {
        return static_cast<std::size_t>(x * GridSize + y);
    }

    static std::string_view countryOfRow(std::size_t i)
    {
        return i < CapitalRowCount ? CityTable[i].country : CityCountries[i - CapitalRowCount];
    }

    static std::uint8_t mainCode(std::string_view country)
    {
        return codeTriple(*findCountry(country))[0];
    }

    static bool isLandOf(std::string_view country, int x, int y)
    {
        const auto codes = codeTriple(*findCountry(country));
        return std::ranges::find(codes, grid.cell(x, y)) != codes.end();
    }

    // Sizes of the four-connected pieces of the country's land.
    static std::vector<int> pieces(std::uint8_t country)
    {
        std::vector<bool> seen(owner.size());
        std::vector<int> sizes;
        for (std::size_t start = 0; start < owner.size(); ++start) {
            if (seen[start] || owner[start] != country)
                continue;
            std::vector<std::size_t> stack{start};
            seen[start] = true;
            int size = 0;
            while (!stack.empty()) {
                const std::size_t i = stack.back();
                stack.pop_back();
                ++size;
                const int x = static_cast<int>(i) / GridSize, y = static_cast<int>(i) % GridSize;
                for (const Step& s : Steps) {
                    const int nx = x + s.dx, ny = y + s.dy;
                    if (nx < 0 || ny < 0 || nx >= GridSize || ny >= GridSize)
                        continue;
                    const std::size_t n = cellIndex(nx, ny);
                    if (!seen[n] && owner[n] == country) {
                        seen[n] = true;
                        stack.push_back(n);
                    }
                }
            }
            sizes.push_back(size);
        }
        return sizes;
    }

    static WorldGrid grid;
    static std::array<std::uint8_t, GridSize * GridSize> owner;
};

WorldGrid WorldShapeTest::grid;
std::array<std::uint8_t, GridSize * GridSize> WorldShapeTest::owner;

TEST_F(WorldShapeTest, EachCountryIsOnePieceUnlessItHasIslandsOrAnExclave)
{
    const std::map<std::string_view, int> expected(SeveralPieces.begin(), SeveralPieces.end());
    for (const CountryRow& country : CountryTable) {
        SCOPED_TRACE(country.name);
        const std::vector<int> sizes = pieces(mainCode(country.name));
        const auto it = expected.find(country.name);
        EXPECT_EQ(std::ssize(sizes), it == expected.end() ? 1 : it->second);
        if (country.name != "シンガポール") {
            EXPECT_GE(std::ranges::min(sizes), SmallestPiece) << "a stray fragment";
        }
    }
    EXPECT_EQ(pieces(RegionCodes(TaiwanEntry)).size(), 1u);
}

TEST_F(WorldShapeTest, APlaceReachedFromSomeSidesHasItsOwnLandThere)
{
    for (std::size_t i = 0; i < CityTable.size(); ++i) {
        const CityRow& row = CityTable[i];
        if (row.sides == side::All)
            continue;
        SCOPED_TRACE(row.caption);
        const std::string_view country = countryOfRow(i);
        for (const Step& s : Steps) {
            if (row.sides & s.side) {
                EXPECT_TRUE(isLandOf(country, row.x + s.dx, row.y + s.dy))
                    << "side " << int{s.side};
            }
        }
    }
}

TEST_F(WorldShapeTest, EveryPlaceButSingaporeHasOwnLandOnASideItIsReachedFrom)
{
    for (std::size_t i = 0; i < CityTable.size(); ++i) {
        const CityRow& row = CityTable[i];
        const std::string_view country = countryOfRow(i);
        if (country == "シンガポール")
            continue;
        SCOPED_TRACE(row.caption);
        EXPECT_TRUE(std::ranges::any_of(Steps, [&](const Step& s) {
            return (row.sides & s.side) && isLandOf(country, row.x + s.dx, row.y + s.dy);
        }));
    }
}

TEST_F(WorldShapeTest, ThimphuLiesInsideBhutansMountains)
{
    const Region& bhutan = Regions[31];
    for (const Step& s : Steps)
        EXPECT_EQ(grid.cell(bhutan.capitalX + s.dx, bhutan.capitalY + s.dy), RegionCodes(32));
}

}  // namespace
}  // namespace korvalin

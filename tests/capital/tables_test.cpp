#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "save/cp932.h"
#include "support/shift_jis.h"
#include "world/city_table.h"
#include "world/country_table.h"
#include "world/region_table.h"
#include "world/tile_codes.h"

namespace korvalin {
namespace {

std::span<const CityRow> capitalRows()
{
    return std::span(CityTable).first(CapitalRowCount);
}

std::span<const CityRow> cityRows()
{
    return std::span(CityTable).subspan(CapitalRowCount);
}

const CityRow& capital(std::string_view caption)
{
    const CityRow* row = findCity(caption);
    EXPECT_NE(row, nullptr) << caption;
    return *row;
}

int buttonOf(const CityRow& row, std::string_view destination)
{
    const auto destinations = row.destinations();
    const auto it = std::ranges::find(destinations, destination);
    EXPECT_NE(it, destinations.end()) << destination;
    return static_cast<int>(it - destinations.begin()) + 1;
}

LegCodes leg(std::string_view caption, std::string_view destination)
{
    const CityRow& row = capital(caption);
    return legCodes(row, buttonOf(row, destination)).value();
}

// --- The tables' shape ---

TEST(CityTableTest, HoldsTheCapitalsFirstThenTheCities)
{
    EXPECT_EQ(CityTable.size(), 99u);
    EXPECT_TRUE(std::ranges::all_of(capitalRows(), isCapitalRow));
    EXPECT_TRUE(std::ranges::none_of(cityRows(), isCapitalRow));
    EXPECT_TRUE(std::ranges::all_of(cityRows(), [](const CityRow& row) {
        return row.destinations().empty() && row.country.empty();
    }));
}

TEST(CityTableTest, CaptionsAreUnique)
{
    std::set<std::string_view> captions;
    for (const CityRow& row : CityTable) {
        EXPECT_TRUE(captions.insert(row.caption).second) << row.caption;
    }
}

TEST(CityTableTest, CapitalsOfferAllTheirEmbassiesOnHandledButtons)
{
    int legs = 0;
    for (const CityRow& row : capitalRows()) {
        EXPECT_FALSE(row.destinations().empty()) << row.caption;
        legs += static_cast<int>(row.destinations().size());
    }
    EXPECT_EQ(legs, 315);
    EXPECT_EQ(capital("中華人民共和国首都北京").destinations().size(), 13u);
    EXPECT_EQ(capital("中華人民共和国首都北京").destinations().back(), "キルギス");
}

TEST(CityTableTest, EveryDestinationIsACountryAndNoCapitalListsItsOwn)
{
    for (const CityRow& row : capitalRows()) {
        for (std::string_view destination : row.destinations()) {
            EXPECT_NE(findCountry(destination), nullptr) << row.caption << " → " << destination;
            EXPECT_NE(destination, row.country) << row.caption;
        }
    }
}

TEST(CityTableTest, EachCapitalStandsOnItsCountrysCapitalCell)
{
    std::set<std::string_view> countries;
    for (const CityRow& row : capitalRows()) {
        const CountryRow* country = findCountry(row.country);
        ASSERT_NE(country, nullptr) << row.caption;
        EXPECT_TRUE(countries.insert(row.country).second) << row.country;
        const Region& region = Regions[country->entries[0]];
        EXPECT_EQ(region.capitalX, row.x) << row.caption;
        EXPECT_EQ(region.capitalY, row.y) << row.caption;
    }
}

TEST(CityTableTest, CityNameIsTheCaptionAfterItsMark)
{
    EXPECT_EQ(cityName(capital("中華人民共和国首都北京")), "北京");
    EXPECT_EQ(cityName(capital("スリランカ民主社会主義共和国首都スリジャヤワルダナプラコッテ")),
              "スリジャヤワルダナプラコッテ");
    EXPECT_EQ(cityName(capital("日本国　大阪")), "大阪");
    EXPECT_EQ(cityName(capital("中華人民共和国チベット自治区　ラサ")), "ラサ");
}

// --- Recognising the city beside the hiker ---

struct PositionCase {
    int x, y;
    std::string_view caption;  // empty: no row matches
};

class CityAtTest : public testing::TestWithParam<PositionCase> {};

TEST_P(CityAtTest, FindsTheFirstRowWithTheHikerOnOneOfItsSides)
{
    const PositionCase& c = GetParam();
    const CityRow* row = cityAt(c.x, c.y);
    if (c.caption.empty()) {
        EXPECT_EQ(row, nullptr);
    } else {
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->caption, c.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sides, CityAtTest,
    testing::Values(PositionCase{246, 118, "日本国首都東京"},
                    PositionCase{245, 117, "日本国首都東京"}, PositionCase{245, 118, ""},
                    PositionCase{246, 119, ""}, PositionCase{84, 164, ""},
                    PositionCase{84, 166, "オマーン国首都マスカット"},
                    PositionCase{83, 165, "オマーン国首都マスカット"}, PositionCase{85, 165, ""},
                    PositionCase{239, 125, "日本国　大阪"},
                    PositionCase{229, 129, "大韓民国　釜山"}, PositionCase{229, 131, ""}));

// --- Countries ---

struct TileCodesCase {
    std::string_view country;
    std::vector<int> codes;
};

const TileCodesCase TileCodes[] = {
    {"日本", {14, 111}},
    {"韓国", {9}},
    {"北朝鮮", {15}},
    {"中国", {11, 48, 64}},
    {"ロシア", {13, 101}},
    {"モンゴル", {12, 80}},
    {"ベトナム", {17}},
    {"ラオス", {30}},
    {"カンボジア", {3}},
    {"タイ", {8}},
    {"マレーシア", {25}},
    {"フィリピン", {6}},
    {"シンガポール", {46}},
    {"インドネシア", {28}},
    {"ブルネイ", {31}},
    {"ミャンマー", {29, 68}},
    {"バングラデシュ", {47}},
    {"インド", {33, 50}},
    {"スリランカ", {20}},
    {"パキスタン", {41, 82}},
    {"ネパール", {10, 66}},
    {"ブータン", {7, 67}},
    {"アフガニスタン", {63, 83}},
    {"イラン", {44, 96}},
    {"イラク", {27}},
    {"クウェート", {45}},
    {"イエメン", {79, 105}},
    {"オマーン", {22}},
    {"アラブ首長国", {23}},
    {"サウジアラビア", {62, 104}},
    {"イスラエル", {57}},
    {"ヨルダン", {26}},
    {"レバノン", {95}},
    {"シリア", {39}},
    {"キプロス", {38}},
    {"トルコ", {24, 97}},
    {"トルクメニスタン", {49}},
    {"ウズベキスタン", {42}},
    {"タジキスタン", {61, 84}},
    {"キルギス", {78, 102}},
    {"カザフスタン", {54, 103}},
    {"アルメニア", {19, 98}},
    {"グルジア", {94, 99}},
    {"アゼルバイジャン", {73, 100}},
    {"ウクライナ", {36}},
    {"ベラルーシ", {55}},
    {"リトアニア", {89}},
    {"ラトビア", {58}},
    {"エストニア", {92}},
    {"フィンランド", {91}},
    {"スウェーデン", {35}},
    {"ノルウェー", {65}},
    {"ポーランド", {60}},
    {"ルーマニア", {43}},
    {"ブルガリア", {88}},
    {"ギリシャ", {74}},
    {"ユーゴスラビア", {51}},
    {"ハンガリー", {77}},
    {"イタリア", {71, 108}},
    {"スロバキア", {52}},
    {"チェコ", {72}},
    {"オーストリア", {90, 107}},
    {"スイス", {56, 106}},
    {"ドイツ", {40}},
    {"デンマーク", {70}},
    {"オランダ", {59}},
    {"ベルギー", {93}},
    {"フランス", {87, 109}},
    {"スペイン", {75, 110}},
    {"ポルトガル", {81}},
    {"イギリス", {86}},
    {"マケドニア", {18}},
    {"アルバニア", {21}},
    {"ボスニア・ヘルツェゴビナ", {37}},
    {"クロアチア", {53}},
    {"スロベニア", {69}},
    {"モルドバ", {85}},
    {"アイルランド", {76}},
};

TEST(CountryTableTest, HoldsEveryCountryWithItsRegionsTileCodes)
{
    ASSERT_EQ(CountryTable.size(), std::size(TileCodes));
    for (std::size_t i = 0; i < CountryTable.size(); ++i) {
        const CountryRow& row = CountryTable[i];
        EXPECT_EQ(row.name, TileCodes[i].country);
        std::vector<int> codes;
        for (std::uint8_t entry : row.regionEntries())
            codes.push_back(RegionCodes(entry));
        EXPECT_EQ(codes, TileCodes[i].codes) << row.name;
    }
    EXPECT_EQ(CountryTable.front().name, "日本");
    EXPECT_EQ(CountryTable.back().name, "アイルランド");
}

TEST(CountryTableTest, FlagsAreNamedAfterTheCountryCodeExceptTheUks)
{
    std::set<std::string_view> flags;
    for (const CountryRow& row : CountryTable) {
        if (row.name == "イギリス") {
            EXPECT_TRUE(row.flag.empty());
            continue;
        }
        EXPECT_EQ(row.flag.size(), 4u) << row.name;
        EXPECT_TRUE(row.flag.ends_with("_F")) << row.name;
        EXPECT_TRUE(flags.insert(row.flag).second) << row.flag;
    }
    EXPECT_EQ(flags.size(), 77u);
}

TEST(CountryTableTest, CodeTripleRepeatsTheLastRegion)
{
    using Triple = std::array<std::uint8_t, 3>;
    EXPECT_EQ(codeTriple(*findCountry("中国")), (Triple{11, 48, 64}));
    EXPECT_EQ(codeTriple(*findCountry("ロシア")), (Triple{13, 101, 101}));
    EXPECT_EQ(codeTriple(*findCountry("日本")), (Triple{14, 111, 111}));
    EXPECT_EQ(codeTriple(*findCountry("韓国")), (Triple{9, 9, 9}));
}

TEST(CountryTableTest, LooksUpByNameAndByMainCodeOnly)
{
    EXPECT_EQ(findCountry("ボスニア・ヘルツェゴビナ"), &CountryTable[73]);
    EXPECT_EQ(findCountry("ボスニア"), nullptr);
    EXPECT_EQ(findCountry("台湾"), nullptr);
    ASSERT_NE(countryByMainCode(14), nullptr);
    EXPECT_EQ(countryByMainCode(14)->name, "日本");
    ASSERT_NE(countryByMainCode(86), nullptr);
    EXPECT_EQ(countryByMainCode(86)->name, "イギリス");
    EXPECT_EQ(countryByMainCode(111), nullptr);  // Japan's mountains are not a country
    EXPECT_EQ(countryByMainCode(WaterTile), nullptr);
    for (const CountryRow& row : CountryTable) {
        EXPECT_EQ(countryByMainCode(RegionCodes(row.entries[0])), &row) << row.name;
    }
}

// --- Leg codes of the destination buttons ---

struct LegCase {
    std::string_view capital;
    std::string_view destination;
    LegCodes codes;
};

class LegCodesTest : public testing::TestWithParam<LegCase> {};

TEST_P(LegCodesTest, SetsThePresentAndNextCountryAndTheSea)
{
    const LegCase& c = GetParam();
    EXPECT_EQ(leg(c.capital, c.destination), c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Legs, LegCodesTest,
    testing::Values(
        LegCase{"日本国首都東京", "韓国", {14, 111, 111, 9, 9, 9, 2}},
        LegCase{"モンゴル国首都ウランバートル", "中国", {12, 80, 80, 11, 48, 64, 16}},
        LegCase{"ブルガリア共和国首都ソフィア", "マケドニア", {88, 88, 88, 18, 18, 18, 16}},
        LegCase{"クウェート国首都クウェート", "サウジアラビア", {45, 45, 45, 62, 62, 62, 16}},
        LegCase{"イラク共和国首都バグダット", "サウジアラビア", {27, 27, 27, 62, 104, 104, 16}},
        LegCase{"ドイツ連邦共和国首都ベルリン", "デンマーク", {40, 40, 40, 70, 70, 70, 2}},
        LegCase{"ドイツ連邦共和国首都ベルリン", "ポーランド", {40, 40, 40, 60, 60, 60, 16}},
        LegCase{"シンガポール共和国首都シンガポール", "スリランカ", {46, 46, 46, 20, 20, 20, 2}}));

TEST(LegCodesTest, OnlyTheListedSeaLegsCrossWater)
{
    int seaLegs = 0;
    for (const CityRow& row : capitalRows()) {
        for (int k = 1; k <= static_cast<int>(row.destinations().size()); ++k) {
            const LegCodes codes = legCodes(row, k).value();
            EXPECT_TRUE(codes.PS == WaterTile || codes.PS == NoExtraTile) << row.caption;
            seaLegs += codes.PS == WaterTile;
        }
    }
    EXPECT_EQ(seaLegs, 37);
    EXPECT_EQ(leg("インド首都ニューデリー", "ブータン").PS, WaterTile);
    EXPECT_EQ(leg("インド首都ニューデリー", "中国").PS, NoExtraTile);
    EXPECT_EQ(leg("キプロス共和国首都ニコシア", "トルコ").PS, WaterTile);
    EXPECT_EQ(leg("トルコ共和国首都アンカラ", "シリア").PS, NoExtraTile);
    EXPECT_EQ(leg("シリア・アラブ共和国首都ダマスカス", "イスラエル").PS, WaterTile);
    EXPECT_EQ(leg("イスラエル国首都エルサレム", "シリア").PS, WaterTile);
}

TEST(LegCodesTest, TheUkIsReachedOnlyFromParisBrusselsAndAmsterdamBySea)
{
    std::vector<std::string_view> from;
    for (const CityRow& row : capitalRows()) {
        for (int k = 1; k <= static_cast<int>(row.destinations().size()); ++k) {
            if (row.destinations()[k - 1] == "イギリス") {
                from.push_back(row.caption);
                EXPECT_EQ(legCodes(row, k)->PS, WaterTile) << row.caption;
                EXPECT_EQ(legCodes(row, k)->PN, 86) << row.caption;
            }
        }
    }
    EXPECT_EQ(from, (std::vector<std::string_view>{"フランス共和国首都パリ",
                                                   "ベルギー王国首都ブリュッセル",
                                                   "オランダ王国首都アムステルダム"}));
}

TEST(LegCodesTest, ButtonsWithoutADestinationSetNothing)
{
    const CityRow& seoul = capital("大韓民国首都ソウル");
    EXPECT_TRUE(legCodes(seoul, 1).has_value());
    EXPECT_FALSE(legCodes(seoul, 0).has_value());
    EXPECT_FALSE(legCodes(seoul, 2).has_value());
    EXPECT_FALSE(legCodes(capital("日本国　大阪"), 1).has_value());
}

// --- Texts on disk ---

TEST(CapitalTablesTest, EveryNameEncodesToCp932AndBack)
{
    std::vector<std::string> texts;
    for (const CityRow& row : CityTable) {
        texts.emplace_back(row.caption);
    }
    for (const CountryRow& row : CountryTable) {
        texts.push_back(std::string(row.name) + "大使館");  // as on the embassy buttons
    }
    for (const std::string& text : texts)
        expectShiftJisRoundTrip(text);
    // The middle dot is the full-width one, not half-width ･ (A5).
    EXPECT_EQ(toCp932("ボスニア・ヘルツェゴビナ").value().substr(6, 4), "\x83\x41\x81\x45");
}

}  // namespace
}  // namespace korvalin

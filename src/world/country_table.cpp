#include "world/country_table.h"

#include <algorithm>

#include "world/region_table.h"

namespace korvalin {

// Every country with a capital, then the UK and Ireland, which have none;
// in the order of their main region entries.
constexpr std::array<CountryRow, CountryCount> CountryTable = std::to_array<CountryRow>({
    {.name = "日本", .entries = {0, 1}, .entryCount = 2, .flag = "JP_F"},
    {.name = "韓国", .entries = {2}, .entryCount = 1, .flag = "KR_F"},
    {.name = "北朝鮮", .entries = {3}, .entryCount = 1, .flag = "KP_F"},
    {.name = "中国", .entries = {4, 5, 6}, .entryCount = 3, .flag = "CN_F"},
    {.name = "ロシア", .entries = {7, 8}, .entryCount = 2, .flag = "RU_F"},
    {.name = "モンゴル", .entries = {10, 11}, .entryCount = 2, .flag = "MN_F"},
    {.name = "ベトナム", .entries = {12}, .entryCount = 1, .flag = "VN_F"},
    {.name = "ラオス", .entries = {13}, .entryCount = 1, .flag = "LA_F"},
    {.name = "カンボジア", .entries = {14}, .entryCount = 1, .flag = "KH_F"},
    {.name = "タイ", .entries = {15}, .entryCount = 1, .flag = "TH_F"},
    {.name = "マレーシア", .entries = {16}, .entryCount = 1, .flag = "MY_F"},
    {.name = "フィリピン", .entries = {17}, .entryCount = 1, .flag = "PH_F"},
    {.name = "シンガポール", .entries = {18}, .entryCount = 1, .flag = "SG_F"},
    {.name = "インドネシア", .entries = {19}, .entryCount = 1, .flag = "ID_F"},
    {.name = "ブルネイ", .entries = {20}, .entryCount = 1, .flag = "BN_F"},
    {.name = "ミャンマー", .entries = {21, 22}, .entryCount = 2, .flag = "MM_F"},
    {.name = "バングラデシュ", .entries = {23}, .entryCount = 1, .flag = "BD_F"},
    {.name = "インド", .entries = {24, 25}, .entryCount = 2, .flag = "IN_F"},
    {.name = "スリランカ", .entries = {26}, .entryCount = 1, .flag = "LK_F"},
    {.name = "パキスタン", .entries = {27, 28}, .entryCount = 2, .flag = "PK_F"},
    {.name = "ネパール", .entries = {29, 30}, .entryCount = 2, .flag = "NP_F"},
    {.name = "ブータン", .entries = {31, 32}, .entryCount = 2, .flag = "BT_F"},
    {.name = "アフガニスタン", .entries = {33, 34}, .entryCount = 2, .flag = "AF_F"},
    {.name = "イラン", .entries = {35, 36}, .entryCount = 2, .flag = "IR_F"},
    {.name = "イラク", .entries = {37}, .entryCount = 1, .flag = "IQ_F"},
    {.name = "クウェート", .entries = {38}, .entryCount = 1, .flag = "KW_F"},
    {.name = "イエメン", .entries = {39, 40}, .entryCount = 2, .flag = "YE_F"},
    {.name = "オマーン", .entries = {41}, .entryCount = 1, .flag = "OM_F"},
    {.name = "アラブ首長国", .entries = {42}, .entryCount = 1, .flag = "AE_F"},
    {.name = "サウジアラビア", .entries = {43, 44}, .entryCount = 2, .flag = "SA_F"},
    {.name = "イスラエル", .entries = {45}, .entryCount = 1, .flag = "IL_F"},
    {.name = "ヨルダン", .entries = {46}, .entryCount = 1, .flag = "JO_F"},
    {.name = "レバノン", .entries = {47}, .entryCount = 1, .flag = "LB_F"},
    {.name = "シリア", .entries = {48}, .entryCount = 1, .flag = "SY_F"},
    {.name = "キプロス", .entries = {49}, .entryCount = 1, .flag = "CY_F"},
    {.name = "トルコ", .entries = {50, 51}, .entryCount = 2, .flag = "TR_F"},
    {.name = "トルクメニスタン", .entries = {52}, .entryCount = 1, .flag = "TM_F"},
    {.name = "ウズベキスタン", .entries = {53}, .entryCount = 1, .flag = "UZ_F"},
    {.name = "タジキスタン", .entries = {54, 55}, .entryCount = 2, .flag = "TJ_F"},
    {.name = "キルギス", .entries = {56, 57}, .entryCount = 2, .flag = "KG_F"},
    {.name = "カザフスタン", .entries = {58, 59}, .entryCount = 2, .flag = "KZ_F"},
    {.name = "アルメニア", .entries = {60, 61}, .entryCount = 2, .flag = "AM_F"},
    {.name = "グルジア", .entries = {62, 63}, .entryCount = 2, .flag = "GE_F"},
    {.name = "アゼルバイジャン", .entries = {64, 65}, .entryCount = 2, .flag = "AZ_F"},
    {.name = "ウクライナ", .entries = {66}, .entryCount = 1, .flag = "UA_F"},
    {.name = "ベラルーシ", .entries = {67}, .entryCount = 1, .flag = "BY_F"},
    {.name = "リトアニア", .entries = {68}, .entryCount = 1, .flag = "LT_F"},
    {.name = "ラトビア", .entries = {69}, .entryCount = 1, .flag = "LV_F"},
    {.name = "エストニア", .entries = {70}, .entryCount = 1, .flag = "EE_F"},
    {.name = "フィンランド", .entries = {71}, .entryCount = 1, .flag = "FI_F"},
    {.name = "スウェーデン", .entries = {72}, .entryCount = 1, .flag = "SE_F"},
    {.name = "ノルウェー", .entries = {73}, .entryCount = 1, .flag = "NO_F"},
    {.name = "ポーランド", .entries = {74}, .entryCount = 1, .flag = "PL_F"},
    {.name = "ルーマニア", .entries = {75}, .entryCount = 1, .flag = "RO_F"},
    {.name = "ブルガリア", .entries = {76}, .entryCount = 1, .flag = "BG_F"},
    {.name = "ギリシャ", .entries = {77}, .entryCount = 1, .flag = "GR_F"},
    {.name = "ユーゴスラビア", .entries = {78}, .entryCount = 1, .flag = "YU_F"},
    {.name = "ハンガリー", .entries = {79}, .entryCount = 1, .flag = "HU_F"},
    {.name = "イタリア", .entries = {80, 81}, .entryCount = 2, .flag = "IT_F"},
    {.name = "スロバキア", .entries = {82}, .entryCount = 1, .flag = "SK_F"},
    {.name = "チェコ", .entries = {83}, .entryCount = 1, .flag = "CZ_F"},
    {.name = "オーストリア", .entries = {84, 85}, .entryCount = 2, .flag = "AT_F"},
    {.name = "スイス", .entries = {86, 87}, .entryCount = 2, .flag = "CH_F"},
    {.name = "ドイツ", .entries = {88}, .entryCount = 1, .flag = "DE_F"},
    {.name = "デンマーク", .entries = {89}, .entryCount = 1, .flag = "DK_F"},
    {.name = "オランダ", .entries = {90}, .entryCount = 1, .flag = "NL_F"},
    {.name = "ベルギー", .entries = {91}, .entryCount = 1, .flag = "BE_F"},
    {.name = "フランス", .entries = {92, 93}, .entryCount = 2, .flag = "FR_F"},
    {.name = "スペイン", .entries = {94, 95}, .entryCount = 2, .flag = "ES_F"},
    {.name = "ポルトガル", .entries = {96}, .entryCount = 1, .flag = "PT_F"},
    {.name = "イギリス", .entries = {97}, .entryCount = 1, .flag = ""},
    {.name = "マケドニア", .entries = {98}, .entryCount = 1, .flag = "MK_F"},
    {.name = "アルバニア", .entries = {99}, .entryCount = 1, .flag = "AL_F"},
    {.name = "ボスニア・ヘルツェゴビナ", .entries = {100}, .entryCount = 1, .flag = "BA_F"},
    {.name = "クロアチア", .entries = {101}, .entryCount = 1, .flag = "HR_F"},
    {.name = "スロベニア", .entries = {102}, .entryCount = 1, .flag = "SI_F"},
    {.name = "モルドバ", .entries = {103}, .entryCount = 1, .flag = "MD_F"},
    {.name = "アイルランド", .entries = {104}, .entryCount = 1, .flag = "IE_F"},
});

static_assert(CountryTable.back().name == "アイルランド");

const CountryRow* findCountry(std::string_view name)
{
    const auto it = std::ranges::find(CountryTable, name, &CountryRow::name);
    return it == CountryTable.end() ? nullptr : &*it;
}

const CountryRow* countryByMainCode(std::uint8_t code)
{
    const auto it = std::ranges::find_if(CountryTable, [code](const CountryRow& country) {
        return RegionCodes(country.entries[0]) == code;
    });
    return it == CountryTable.end() ? nullptr : &*it;
}

std::array<std::uint8_t, 3> codeTriple(const CountryRow& country)
{
    std::array<std::uint8_t, 3> codes{};
    for (int i = 0; i < 3; ++i) {
        codes[i] = RegionCodes(country.entries[std::min(i, country.entryCount - 1)]);
    }
    return codes;
}

}  // namespace korvalin

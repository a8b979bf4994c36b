#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "capital/country_facts.h"
#include "game/language.h"
#include "world/country_table.h"

namespace korvalin {

namespace {

struct RawFacts {
    std::string_view country;
    std::int64_t areaKm2;
    std::int64_t population;
    std::string_view language;
    std::string_view currency;
};

// Figures of about 1995. Japan, China, Russia, Singapore, the Philippines,
// Yugoslavia, Bosnia and Herzegovina and the UK as the game has always shown
// them; every other area ("total area") and population ("July 1995 est.")
// from CIA, The World Factbook 1995, as transcribed in the CIA World
// Factbooks Archive 1990-2025 (github.com/MilkMp/CIA-World-Factbooks-Archive-
// 1990-2025, data/fields/country_fields_1995.sql.gz, commit b998f60a). The
// languages and currencies are those of 1995, in our own katakana. No row
// names the ethnic groups.
constexpr auto Rows = std::to_array<RawFacts>({
    {"日本", 378000, 124960000, "日本語", "円"},
    {"韓国", 98480, 45553882, "韓国語", "ウォン"},
    {"北朝鮮", 120540, 23486550, "朝鮮語", "ウォン"},
    {"ロシア", 17075000, 148300000, "ロシア語他", "ルーブル"},
    {"中国", 9597000, 1208840000, "中国語", "元"},
    {"モンゴル", 1565000, 2493615, "モンゴル語", "トゥグルグ"},
    {"ベトナム", 329560, 74393324, "ベトナム語", "ドン"},
    {"ラオス", 236800, 4837237, "ラオ語", "キップ"},
    {"カンボジア", 181040, 10561373, "カンボジア語", "リエル"},
    {"タイ", 514000, 60271300, "タイ語", "バーツ"},
    {"マレーシア", 329750, 19723587, "マレー語他", "リンギ"},
    {"フィリピン", 300000, 67040000, "ﾌｨﾘﾋﾟﾉ語、英語", "ペソ"},
    {"シンガポール", 620, 2930000, "英語他", "シンガポール・ドル"},
    {"インドネシア", 1919440, 203583886, "インドネシア語", "ルピア"},
    {"ブルネイ", 5770, 292266, "マレー語、英語", "ブルネイ・ドル"},
    {"ミャンマー", 678500, 45103809, "ミャンマー語", "チャット"},
    {"バングラデシュ", 144000, 128094948, "ベンガル語", "タカ"},
    {"インド", 3287590, 936545814, "ヒンディー語、英語他", "ルピー"},
    {"スリランカ", 65610, 18342660, "シンハラ語、タミル語", "ルピー"},
    {"パキスタン", 803940, 131541920, "ウルドゥー語、英語", "ルピー"},
    {"ネパール", 140800, 21560869, "ネパール語", "ルピー"},
    {"ブータン", 47000, 1780638, "ゾンカ語", "ニュルタム"},
    {"アフガニスタン", 647500, 21251821, "パシュトゥー語、ダリー語", "アフガニー"},
    {"イラン", 1648000, 64625455, "ペルシャ語", "リアル"},
    {"イラク", 437072, 20643769, "アラビア語、クルド語", "ディナール"},
    {"クウェート", 17820, 1817397, "アラビア語", "ディナール"},
    {"イエメン", 527970, 14728474, "アラビア語", "リアル"},
    {"オマーン", 212460, 2125089, "アラビア語", "リアル"},
    {"アラブ首長国", 75581, 2924594, "アラビア語", "ディルハム"},
    {"サウジアラビア", 1960582, 18729576, "アラビア語", "リヤル"},
    {"イスラエル", 20770, 5433134, "ヘブライ語、アラビア語", "新シェケル"},
    {"ヨルダン", 89213, 4100709, "アラビア語", "ディナール"},
    {"レバノン", 10400, 3695921, "アラビア語", "ポンド"},
    {"シリア", 185180, 15451917, "アラビア語", "ポンド"},
    {"キプロス", 9250, 736636, "ギリシャ語、トルコ語", "ポンド"},
    {"トルコ", 780580, 63405526, "トルコ語", "リラ"},
    {"トルクメニスタン", 488100, 4075316, "トルクメン語", "マナト"},
    {"ウズベキスタン", 447400, 23089261, "ウズベク語", "スム"},
    {"タジキスタン", 143100, 6155474, "タジク語", "ルーブル"},
    {"キルギス", 198500, 4769877, "キルギス語", "ソム"},
    {"カザフスタン", 2717300, 17376615, "カザフ語、ロシア語", "テンゲ"},
    {"アルメニア", 29800, 3557284, "アルメニア語", "ドラム"},
    {"グルジア", 69700, 5725972, "グルジア語", "ラリ"},
    {"アゼルバイジャン", 86600, 7789886, "アゼルバイジャン語", "マナト"},
    {"ウクライナ", 603700, 51867828, "ウクライナ語", "カルボバネツ"},
    {"ベラルーシ", 207600, 10437418, "ベラルーシ語、ロシア語", "ルーブル"},
    {"リトアニア", 65200, 3876396, "リトアニア語", "リタス"},
    {"ラトビア", 64100, 2762899, "ラトビア語", "ラッツ"},
    {"エストニア", 45100, 1625399, "エストニア語", "クローン"},
    {"フィンランド", 337030, 5085206, "フィンランド語、スウェーデン語", "マルッカ"},
    {"スウェーデン", 449964, 8821759, "スウェーデン語", "クローナ"},
    {"ノルウェー", 324220, 4330951, "ノルウェー語", "クローネ"},
    {"ポーランド", 312680, 38792442, "ポーランド語", "ズロチ"},
    {"ルーマニア", 237500, 23198330, "ルーマニア語", "レイ"},
    {"ブルガリア", 110910, 8775198, "ブルガリア語", "レフ"},
    {"ギリシャ", 131940, 10647511, "ギリシャ語", "ドラクマ"},
    {"ユーゴスラビア", 102000, 10520000, "セルビア語", ""},
    {"ハンガリー", 93030, 10318838, "ハンガリー語", "フォリント"},
    {"イタリア", 301230, 58261971, "イタリア語", "リラ"},
    {"スロバキア", 48845, 5432383, "スロバキア語", "コルナ"},
    {"チェコ", 78703, 10432774, "チェコ語", "コルナ"},
    {"オーストリア", 83850, 7986664, "ドイツ語", "シリング"},
    {"スイス", 41290, 7084984, "ドイツ語、フランス語他", "フラン"},
    {"ドイツ", 356910, 81337541, "ドイツ語", "マルク"},
    {"デンマーク", 43070, 5199437, "デンマーク語", "クローネ"},
    {"オランダ", 37330, 15452903, "オランダ語", "ギルダー"},
    {"ベルギー", 30510, 10081880, "フランス語、オランダ語", "フラン"},
    {"フランス", 547030, 58109160, "フランス語", "フラン"},
    {"スペイン", 504750, 39404348, "スペイン語", "ペセタ"},
    {"ポルトガル", 92080, 10562388, "ポルトガル語", "エスクード"},
    {"イギリス", 244000, 58090000, "英語", "英ポンド"},
    {"マケドニア", 25333, 2159503, "マケドニア語", "デナル"},
    {"アルバニア", 28750, 3413904, "アルバニア語", "レク"},
    {"ボスニア・ヘルツェゴビナ", 51000, 3530000, "", ""},
    {"クロアチア", 56538, 4665821, "クロアチア語", "クーナ"},
    {"スロベニア", 20296, 2051522, "スロベニア語", "トラール"},
    {"モルドバ", 33700, 4489657, "モルドバ語", "レイ"},
    {"アイルランド", 70280, 3550448, "アイルランド語、英語", "アイルランド・ポンド"},
});

static_assert(Rows.size() == CountryCount);

std::string digits(std::int64_t n, int width)
{
    std::string text = std::to_string(n);
    if (std::ssize(text) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

// The rows written out in a language, for the panel's labels to show.
std::vector<CountryFacts> factsIn()
{
    std::vector<CountryFacts> all;
    for (const RawFacts& row : Rows) {
        all.push_back({.country = row.country,
                       .area = areaText(row.areaKm2),
                       .population = populationText(row.population),
                       .ethnicGroups = {},
                       .language = std::string(tr(row.language)),
                       .currency = std::string(tr(row.currency))});
    }
    return all;
}

// Written out once for each language the game is played in.
const std::vector<CountryFacts>& facts()
{
    static std::map<Language, std::vector<CountryFacts>> languages;
    auto known = languages.find(languageInUse());
    if (known == languages.end())
        known = languages.emplace(languageInUse(), factsIn()).first;
    return known->second;
}

}  // namespace

// Japanese groups by 万 and 億, which its templates take as %1 and %2;
// English groups by thousands, which it takes whole as %3.
std::string areaText(std::int64_t squareKilometres)
{
    const std::int64_t man = squareKilometres / 10000;
    const std::int64_t rest = squareKilometres % 10000;
    const std::string grouped = groupedNumber(squareKilometres);
    if (man == 0)
        return fill(tr("%1k㎡"), rest, "", grouped);
    return fill(tr("%1万%2k㎡"), man, digits(rest, 4), grouped);
}

std::string populationText(std::int64_t people)
{
    const std::int64_t man = (people + 5000) / 10000;
    const std::int64_t oku = man / 10000;
    const std::int64_t rest = man % 10000;
    const std::string grouped = groupedNumber(man * 10000);
    if (oku == 0)
        return fill(tr("%1万人"), rest, "", grouped);
    if (rest == 0)
        return fill(tr("%1億人"), oku, "", grouped);
    return fill(tr("%1億%2万人"), oku, rest, grouped);
}

const CountryFacts* factsByMainCode(std::uint8_t code)
{
    const CountryRow* country = countryByMainCode(code);
    if (country == nullptr)
        return nullptr;
    const auto& rows = facts();
    const auto it = std::ranges::find(rows, country->name, &CountryFacts::country);
    return it == rows.end() ? nullptr : &*it;
}

}  // namespace korvalin

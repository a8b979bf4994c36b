#include "world/city_table.h"

#include "world/city_rows.h"
#include "world/country_table.h"
#include "world/tile_codes.h"

namespace korvalin {

constexpr std::array<CityRow, CapitalRowCount + CityRowCount> CityTable = CityRows;

namespace {

// The destinations a capital reaches across water: on those legs the hiker may
// also step onto water cells.
struct SeaLeg {
    std::string_view capital;
    std::array<std::string_view, 4> destinations{};
};

constexpr auto SeaLegs = std::to_array<SeaLeg>({
    {.capital = "日本国首都東京", .destinations = {"韓国", "ロシア", "フィリピン", "中国"}},
    {.capital = "大韓民国首都ソウル", .destinations = {"中国"}},
    {.capital = "インド首都ニューデリー", .destinations = {"スリランカ", "ネパール", "ブータン"}},
    // Syria and Israel do not touch (Lebanon and Jordan lie between them):
    // the hiker goes along the coast by boat.
    {.capital = "シリア・アラブ共和国首都ダマスカス", .destinations = {"キプロス", "イスラエル"}},
    {.capital = "トルコ共和国首都アンカラ", .destinations = {"キプロス"}},
    {.capital = "ドイツ連邦共和国首都ベルリン", .destinations = {"デンマーク"}},
    {.capital = "フランス共和国首都パリ", .destinations = {"イギリス"}},
    {.capital = "スウェーデン王国首都ストックホルム", .destinations = {"デンマーク"}},
    {.capital = "ノルウェー王国首都オスロ", .destinations = {"デンマーク"}},
    {.capital = "ベルギー王国首都ブリュッセル", .destinations = {"イギリス"}},
    {.capital = "オランダ王国首都アムステルダム", .destinations = {"イギリス"}},
    {.capital = "デンマーク王国首都コペンハーゲン",
     .destinations = {"ドイツ", "ノルウェー", "スウェーデン"}},
    {.capital = "キプロス共和国首都ニコシア", .destinations = {"シリア", "トルコ"}},
    {.capital = "イスラエル国首都エルサレム", .destinations = {"シリア"}},
    {.capital = "スリランカ民主社会主義共和国首都スリジャヤワルダナプラコッテ",
     .destinations = {"インド", "シンガポール", "イエメン"}},
    {.capital = "マレーシア首都クアラルンプール", .destinations = {"シンガポール", "インドネシア"}},
    {.capital = "インドネシア共和国首都ジャカルタ",
     .destinations = {"マレーシア", "シンガポール", "フィリピン"}},
    {.capital = "フィリピン共和国首都マニラ", .destinations = {"マレーシア", "シンガポール"}},
    {.capital = "シンガポール共和国首都シンガポール",
     .destinations = {"マレーシア", "インドネシア", "フィリピン", "スリランカ"}},
});

static_assert(SeaLegs.size() == 19);

bool isSeaLeg(std::string_view capital, std::string_view destination)
{
    return std::ranges::any_of(SeaLegs, [&](const SeaLeg& leg) {
        return leg.capital == capital &&
               std::ranges::find(leg.destinations, destination) != leg.destinations.end();
    });
}

bool besideCell(const CityRow& row, int hikerX, int hikerY)
{
    return ((row.sides & side::N) && hikerX == row.x && hikerY == row.y - 1) ||
           ((row.sides & side::S) && hikerX == row.x && hikerY == row.y + 1) ||
           ((row.sides & side::W) && hikerX == row.x - 1 && hikerY == row.y) ||
           ((row.sides & side::E) && hikerX == row.x + 1 && hikerY == row.y);
}

}  // namespace

const CityRow* findCity(std::string_view caption)
{
    const auto it = std::ranges::find(CityTable, caption, &CityRow::caption);
    return it == CityTable.end() ? nullptr : &*it;
}

const CityRow* cityAt(int hikerX, int hikerY)
{
    const auto it = std::ranges::find_if(
        CityTable, [&](const CityRow& row) { return besideCell(row, hikerX, hikerY); });
    return it == CityTable.end() ? nullptr : &*it;
}

std::optional<LegCodes> legCodes(const CityRow& capital, int k)
{
    const auto destinations = capital.destinations();
    if (k < 1 || k > std::ssize(destinations)) {
        return std::nullopt;
    }
    const CountryRow* here = findCountry(capital.country);
    const CountryRow* there = findCountry(destinations[k - 1]);
    if (here == nullptr || there == nullptr) {
        return std::nullopt;
    }
    const auto present = codeTriple(*here);
    auto next = codeTriple(*there);
    // From Kuwait, Saudi Arabia is entered by its main code alone, without
    // its mountain area.
    if (here->name == "クウェート" && there->name == "サウジアラビア") {
        next.fill(next[0]);
    }
    return LegCodes{.PP = present[0],
                    .PPA = present[1],
                    .PPB = present[2],
                    .PN = next[0],
                    .PNA = next[1],
                    .PNB = next[2],
                    .PS = isSeaLeg(capital.caption, there->name) ? WaterTile : NoExtraTile};
}

}  // namespace korvalin

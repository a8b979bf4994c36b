#include "capital/arrival_lines.h"

#include <algorithm>
#include <array>
#include <utility>

#include "capital/capital_texts.h"
#include "game/game_state.h"
#include "game/language.h"
#include "maps/place_names.h"
#include "world/city_table.h"

namespace korvalin {

namespace {

constexpr std::string_view Beijing = "中華人民共和国首都北京";
constexpr std::string_view Moscow = "ロシア共和国首都モスクワ";
constexpr std::string_view Seoul = "大韓民国首都ソウル";
constexpr std::string_view Tehran = "イラン・イスラム共和国首都テヘレン";

// Cities that remember the hiker's first visit.
struct FirstVisit {
    std::string_view caption;
    bool GameState::*visited;
    std::string_view first;
    std::string_view later;
};

constexpr auto FirstVisits = std::to_array<FirstVisit>({
    {Beijing, &GameState::pekingd, "　　北京に到着。天安門広場のでかさにびっくり。",
     "　　再び北京に到着。"},
    {Moscow, &GameState::moscowd, "　　モスクワに到着。ネギ坊主の屋根が印象的だ。",
     "　　再びモスクワに到着。"},
    {Seoul, &GameState::sould, "　　ソウルに到着。東京並の大都会。東大門は竜宮城に似てるなあ。",
     "　　再びソウルに到着。"},
});

// Cities whose arrival reads otherwise every time.
struct OwnWords {
    std::string_view caption;
    std::array<std::string_view, 2> lines;
};

constexpr auto OwnArrivals = std::to_array<OwnWords>({
    {"フランス共和国首都パリ", {"　　花の都パリに到着。"}},
    {Tehran, {"　　テヘランに到着。"}},
    {"イラク共和国首都バグダット", {"　　バグダッドに到着。"}},
    {"スリランカ民主社会主義共和国首都スリジャヤワルダナプラコッテ",
     {"　　スリジャヤワルダナプラコッテに到着。", "　　ああ、舌を噛みそうだ。"}},
});

constexpr std::array<std::string_view, 2> NoHorses = {Beijing, Moscow};
constexpr std::array<std::string_view, 3> NoCamels = {Tehran, "クウェート国首都クウェート",
                                                      "トルコ共和国首都アンカラ"};

}  // namespace

std::vector<std::string> arrivalLines(const CityRow& row, GameState& s)
{
    const auto visit = std::ranges::find(FirstVisits, row.caption, &FirstVisit::caption);
    if (visit != FirstVisits.end()) {
        const bool again = std::exchange(s.*visit->visited, true);
        return {std::string(tr(again ? visit->later : visit->first))};
    }
    const auto own = std::ranges::find(OwnArrivals, row.caption, &OwnWords::caption);
    if (own != OwnArrivals.end()) {
        std::vector<std::string> lines;
        for (std::string_view line : own->lines) {
            if (!line.empty())
                lines.emplace_back(tr(line));
        }
        return lines;
    }
    return {fill(tr(capital_texts::ArrivalLine), shownCityName(cityName(row)))};
}

void leaveAnimalsAtTheGates(const CityRow& row, GameState& s)
{
    if (std::ranges::find(NoHorses, row.caption) != NoHorses.end())
        s.HaveUma = false;
    if (std::ranges::find(NoCamels, row.caption) != NoCamels.end())
        s.HaveRakuda = false;
}

std::string departureLine(const CityRow& row)
{
    // The caption misspells the city; the diary does not.
    const std::string_view name = row.caption == Tehran ? "テヘラン" : cityName(row);
    return fill(tr(capital_texts::DepartureLine), shownCityName(name));
}

}  // namespace korvalin

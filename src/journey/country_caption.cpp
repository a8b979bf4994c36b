#include <algorithm>
#include <array>
#include <limits>

#include "game/game_core.h"
#include "game/language.h"
#include "journey/borders_and_arrivals.h"
#include "journey/country_entry_table.h"
#include "journey/travel.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

constexpr std::string_view AtSeaCaption = "海上通過";

// The first row of the table from entry 2 on whose test matches, found
// through two indexes built once: by PP for rows tested on PP, by the cell's
// code for rows tested on the cell. The row tried first wins.
class CountryRowIndex {
public:
    static constexpr int None = std::numeric_limits<int>::max();

    CountryRowIndex()
    {
        byPP_.fill(None);
        byCell_.fill(None);
        for (int row = CountryEntryCount - 1; row >= 1; --row) {
            const CountryEntry& entry = CountryEntryTable[static_cast<std::size_t>(row)];
            auto& index = entry.test == EntryTest::PP ? byPP_ : byCell_;
            index[RegionCodes(entry.entry)] = row;
        }
    }

    int firstRow(std::uint8_t pp, std::uint8_t cell) const
    {
        return std::min(byPP_[pp], byCell_[cell]);
    }

private:
    std::array<int, 256> byPP_;
    std::array<int, 256> byCell_;
};

}  // namespace

void updateCountryCaption(GameCore& game)
{
    static const CountryRowIndex index;
    GameState& s = game.state;
    const std::uint8_t here = game.hikerCell();
    // Japan's row is tested apart, before the sea and the other countries.
    if (here == RegionCodes(JapanEntry)) {
        const CountryEntry& japan = CountryEntryTable.front();
        s.countryCaption = japan.caption;
        s.hitchOdds = static_cast<std::uint8_t>(japan.oddsWithCard);
    }
    if (here == WaterTile)
        s.countryCaption = AtSeaCaption;

    const int row = index.firstRow(s.leg.PP, here);
    if (row == CountryRowIndex::None)
        return;
    const CountryEntry& entry = CountryEntryTable[static_cast<std::size_t>(row)];
    s.countryCaption = entry.caption;
    const int odds = s.HaveCard ? entry.oddsWithCard : entry.oddsWithoutCard;
    if (odds != 0)
        s.hitchOdds = static_cast<std::uint8_t>(odds);
    if (!entry.entryLine.empty() && s.leg.PP == s.leg.PN && s.nyu && !s.lostf) {
        game.appendDiaryLine(tr(entry.entryLine));
        s.nyu = false;
    }
}

}  // namespace korvalin

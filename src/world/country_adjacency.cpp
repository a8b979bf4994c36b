#include "world/country_adjacency.h"

#include <algorithm>
#include <array>

#include "world/city_table.h"
#include "world/country_table.h"
#include "world/region_table.h"

namespace korvalin {

std::optional<std::uint8_t> countryOfCode(std::uint8_t code)
{
    for (const CountryRow& country : CountryTable) {
        for (std::uint8_t entry : country.regionEntries()) {
            if (RegionCodes(entry) == code)
                return RegionCodes(country.entries[0]);
        }
    }
    if (regionEntryOfCode(code) >= 0)
        return code;
    return std::nullopt;
}

namespace {

void addPair(std::vector<CountryPair>& pairs, std::uint8_t a, std::uint8_t b)
{
    if (a != b)
        pairs.push_back({.first = std::min(a, b), .second = std::max(a, b)});
}

void addTouchingCountries(std::span<const std::uint8_t, GridSize * GridSize> cells,
                          std::vector<CountryPair>& pairs)
{
    std::array<std::optional<std::uint8_t>, 256> countryOf{};
    for (int code = 0; code < 256; ++code)
        countryOf[static_cast<std::size_t>(code)] = countryOfCode(static_cast<std::uint8_t>(code));

    const auto at = [&](int x, int y) {
        return countryOf[cells[static_cast<std::size_t>(x * GridSize + y)]];
    };
    // Looking east and south from every cell meets each touching pair.
    for (int x = 0; x < GridSize; ++x) {
        for (int y = 0; y < GridSize; ++y) {
            const auto here = at(x, y);
            if (!here)
                continue;
            if (const auto east = x + 1 < GridSize ? at(x + 1, y) : std::nullopt)
                addPair(pairs, *here, *east);
            if (const auto south = y + 1 < GridSize ? at(x, y + 1) : std::nullopt)
                addPair(pairs, *here, *south);
        }
    }
}

void addLegs(std::vector<CountryPair>& pairs)
{
    for (const CityRow& row : CityTable) {
        for (int k = 1; k <= static_cast<int>(row.destinations().size()); ++k) {
            if (const auto leg = legCodes(row, k))
                addPair(pairs, leg->PP, leg->PN);
        }
    }
}

}  // namespace

std::vector<CountryPair> neighbouringCountries(
    std::span<const std::uint8_t, GridSize * GridSize> cells)
{
    std::vector<CountryPair> pairs;
    addTouchingCountries(cells, pairs);
    addLegs(pairs);
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

}  // namespace korvalin

#include "country_colours.h"

#include <array>
#include <set>

#include "world/region_table.h"

namespace korvalin {

namespace {

// The hues of a school atlas, pale enough for the capital and city marks to
// stand out. Any two are far enough apart to tell neighbours from each other.
// The first is Japan's and nobody else's.
constexpr std::array AtlasPalette = std::to_array<Rgb>({
    {.r = 248, .g = 170, .b = 200},  // pink
    {.r = 250, .g = 232, .b = 130},  // primrose
    {.r = 186, .g = 226, .b = 150},  // pale green
    {.r = 248, .g = 190, .b = 120},  // orange
    {.r = 192, .g = 178, .b = 232},  // lavender
    {.r = 222, .g = 200, .b = 170},  // sand
    {.r = 140, .g = 210, .b = 190},  // mint
    {.r = 224, .g = 148, .b = 112},  // terracotta
    {.r = 222, .g = 236, .b = 96},   // lime
    {.r = 184, .g = 158, .b = 120},  // tan
    {.r = 132, .g = 180, .b = 104},  // leaf green
    {.r = 250, .g = 246, .b = 200},  // cream
});
static_assert(AtlasPalette.size() == 12);

constexpr std::size_t JapanColour = 0;

}  // namespace

std::optional<std::map<std::uint8_t, Rgb>> assignCountryColours(
    std::span<const CountryPair> neighbours)
{
    std::map<std::uint8_t, std::set<std::uint8_t>> neighboursOf;
    for (const CountryPair& pair : neighbours) {
        neighboursOf[pair.first].insert(pair.second);
        neighboursOf[pair.second].insert(pair.first);
    }

    std::map<std::uint8_t, std::size_t> chosen;
    std::array<int, AtlasPalette.size()> timesUsed{};
    const auto choose = [&](std::uint8_t country, std::size_t colour) {
        chosen[country] = colour;
        ++timesUsed[colour];
    };
    choose(RegionCodes(JapanEntry), JapanColour);

    // Countries take their colours in the order of the region table. Each
    // takes the least used colour its coloured neighbours leave free, so the
    // hues spread over the map instead of piling onto the first few.
    for (const Region& region : Regions) {
        const std::uint8_t country = *countryOfCode(region.code);
        if (chosen.contains(country))
            continue;
        std::set<std::size_t> taken{JapanColour};
        for (const std::uint8_t neighbour : neighboursOf[country]) {
            if (const auto found = chosen.find(neighbour); found != chosen.end())
                taken.insert(found->second);
        }
        std::optional<std::size_t> best;
        for (std::size_t colour = 0; colour < AtlasPalette.size(); ++colour) {
            if (!taken.contains(colour) && (!best || timesUsed[colour] < timesUsed[*best]))
                best = colour;
        }
        if (!best)
            return std::nullopt;
        choose(country, *best);
    }

    std::map<std::uint8_t, Rgb> colours;
    for (const auto& [country, colour] : chosen)
        colours[country] = AtlasPalette[colour];
    return colours;
}

}  // namespace korvalin

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "world/leg_codes.h"

namespace korvalin {

// The sides of a city's cell on which the hiker may stand for the capital
// screen to recognise the city.
namespace side {
inline constexpr std::uint8_t N = 1 << 0;  // row - 1
inline constexpr std::uint8_t S = 1 << 1;  // row + 1
inline constexpr std::uint8_t W = 1 << 2;  // column - 1
inline constexpr std::uint8_t E = 1 << 3;  // column + 1
inline constexpr std::uint8_t All = N | S | W | E;
}  // namespace side

// Only the first fourteen destination buttons have a click handler.
inline constexpr int MaxDestinations = 14;

// A place the capital screen knows. The caption is the city's canonical
// Japanese caption: the key the saved game keeps, and the catalogue's key
// for the caption the window shows. The embassies are the CountryTable names
// of the destinations, the catalogue's keys for the embassy names shown.
struct CityRow {
    std::string_view caption;
    std::string_view country{};  // the CountryTable row of a capital; empty for a city
    int x, y;
    std::uint8_t sides;
    std::array<std::string_view, MaxDestinations> embassies{};  // capitals only, in button order

    constexpr std::span<const std::string_view> destinations() const
    {
        const auto end = std::ranges::find(embassies, std::string_view{});
        return {embassies.begin(), end};
    }
};

inline constexpr int CapitalRowCount = 76;
inline constexpr int CityRowCount = 23;

// The 76 capitals, then the 23 other cities, in the order they are tried.
extern const std::array<CityRow, CapitalRowCount + CityRowCount> CityTable;

inline constexpr std::string_view CapitalMark = "首都";
inline constexpr std::string_view CityMark = "　";

constexpr bool isCapitalRow(const CityRow& row)
{
    return row.caption.find(CapitalMark) != std::string_view::npos;
}

// The city's own name: the caption after 首都, or after the full-width space.
constexpr std::string_view cityName(const CityRow& row)
{
    const std::string_view mark = isCapitalRow(row) ? CapitalMark : CityMark;
    const auto at = row.caption.find(mark);
    return at == std::string_view::npos ? row.caption : row.caption.substr(at + mark.size());
}

const CityRow* findCity(std::string_view caption);

// The first row whose cell has the hiker's cell on one of its sides.
const CityRow* cityAt(int hikerX, int hikerY);

// The leg codes of destination button k (1-based) of a capital; nothing for a
// city row or a button without a destination.
std::optional<LegCodes> legCodes(const CityRow& capital, int k);

}  // namespace korvalin

#pragma once

#include <array>
#include <string_view>

namespace korvalin {

// What a row's region code is compared with: the code of the hiker's cell, or
// the present country's code PP.
enum class EntryTest { Cell, PP };

// The status-bar caption, hitchhiking odds and diary line of a country.
struct CountryEntry {
    int entry;  // region entry number
    std::string_view caption;
    EntryTest test;
    int oddsWithCard;              // with the placard; 0: the odds stay as they were
    int oddsWithoutCard;           // without it; 0: the odds stay as they were
    std::string_view entryLine{};  // empty: nothing is written on entering
};

inline constexpr int CountryEntryCount = 79;

// In the order the rows are tried.
extern const std::array<CountryEntry, CountryEntryCount> CountryEntryTable;

}  // namespace korvalin

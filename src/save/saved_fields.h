#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvalin {

class Game;

// The one section of the INI file.
inline constexpr std::string_view SavedGameSection = "State";

// The range a loaded integer is kept in, so that a damaged or hand-edited
// save cannot start the game in a state the journey never reaches.
struct LoadRange {
    std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int32_t highest = std::numeric_limits<std::int32_t>::max();
};

// One key of the saved game and the field of this game it stands for.
struct SavedField {
    std::string key;
    std::variant<std::int32_t*, std::uint8_t*, std::string*, bool*> field;
    LoadRange range{};
    // The destination button (1..18) whose selection this is, or 0.
    int destination = 0;
    // The visa button is written for the record but never read back: a
    // loaded game always resumes with its next leg settled.
    bool loaded = true;
};

// Every key of the saved game, in the order the file holds them, bound to
// the fields of `game`. Saving and loading both walk this list.
std::vector<SavedField> savedFields(Game& game);

}  // namespace korvalin

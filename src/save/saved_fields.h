#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvalin {

struct GameState;

// The one section of the INI file.
inline constexpr std::string_view SavedGameSection = "State";

// The range a loaded integer is kept in, so that a damaged or hand-edited
// save cannot start the game in a state the journey never reaches.
struct LoadRange {
    std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int32_t highest = std::numeric_limits<std::int32_t>::max();
};

// A destination button's "Checked": whether the chosen destination is
// this button.
struct DestinationChoice {
    std::uint8_t* chosen;
    std::uint8_t button;

    bool checked() const { return *chosen == button; }
    void check() const { *chosen = button; }
};

// One key of the saved game and the field of this game it stands for.
struct SavedField {
    std::string key;
    std::variant<std::int32_t*, std::uint8_t*, std::string*, bool*, DestinationChoice> field;
    LoadRange range{};
    // The visa button is written for the record but never read back: a
    // loaded game always resumes with its next leg settled.
    bool loaded = true;
};

// Every key of the saved game, in the order the file holds them, bound to
// the fields of `s`. Saving and loading both walk this list.
std::vector<SavedField> savedFields(GameState& s);

}  // namespace korvalin

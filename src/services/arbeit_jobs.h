#pragma once

#include <string_view>

namespace korvalin {

struct GameState;

// The job on offer: the caption the window shows, the daily wage and the
// line the diary writes when it is taken.
struct ArbeitJob {
    std::string_view caption;
    int wage;
    std::string_view diaryLine;
};

// Job arbeitno (0..9); the model job pays well only in smart clothes.
const ArbeitJob& arbeitJob(const GameState& state);

}  // namespace korvalin

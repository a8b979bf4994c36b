#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace korvalin {

class Game;

// Checks a game between the player's moves: the clock never runs backwards,
// money moves only by the amounts the rules give, the diary stays in its
// 1500 lines, and the hiker stands only on cells his leg allows.
class Watchman {
public:
    // Remembers the game as it stands; the checks compare with it.
    void look(const Game& game);

    // A new leg has begun: its codes are the cells he may stand on.
    void legBegins(const Game& game);

    // After a tick of the journey, with the arrow keys pressed before it.
    std::optional<std::string> afterTick(const Game& game, int keyPresses);

    // After a city action that should have changed cash by `cash` and the
    // bank by `savings`.
    std::optional<std::string> afterAction(const Game& game, std::int64_t cash,
                                           std::int64_t savings, const char* action);

private:
    std::optional<std::string> common(const Game& game) const;

    std::int32_t day_ = 0;
    std::int32_t yen_ = 0;
    std::int32_t yokin_ = 0;
    std::set<std::uint8_t> legCells_;
};

}  // namespace korvalin

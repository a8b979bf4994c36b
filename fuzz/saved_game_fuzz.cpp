// Any bytes as the saved game's INI file, beside a sound Nikki.txt, loaded
// from memory through the checks and rules of a load from disk: the load
// takes what the rules allow or refuses with a message, never a crash, and
// never leaves a value the journey cannot run with. Bytes after a NUL are
// the trail file: a trail is kept only when it ends where the hiker stands.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/loss_divisor.h"
#include "journey/headless_ui.h"
#include "save/saved_game.h"

namespace {

using namespace korvalin;

class FixedClock : public Clock {
public:
    std::uint32_t millisecondsSinceMidnightUtc() const override { return 0; }
    std::chrono::year_month_day today() const override
    {
        return std::chrono::year{1997} / std::chrono::December / 20;
    }
};

struct Setting {
    Setting() { game.Travel.FormCreate(); }

    const SaveFiles files{"korvalin.ini", "Nikki.txt", "Kiseki.txt"};
    SaveBytes bytes{{}, "\r\n\x81\x40\x81\x40\r\nend\r\n", std::nullopt};
    HeadlessUi ui;
    FixedClock clock;
    Game game{ui, clock};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Setting setting;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    setting.bytes.ini = input.substr(0, split);
    setting.bytes.trail.reset();
    if (split != std::string_view::npos)
        setting.bytes.trail = input.substr(split + 1);
    Game& game = setting.game;
    game.state = GameState{};
    game.trail.clear();
    loadGame(game, setting.files, setting.bytes);
    const GameState& s = game.state;
    if (s.kk < 1 || s.kk > MaxLossDivisor || s.dd < 0 || s.dd > Diary::LineCount ||
        s.day < MinutesPerDay || s.day > LatestMinute)
        std::abort();
    const auto trail = game.trail.cells();
    if (!trail.empty() && (trail.back().x != std::uint8_t(s.hikerX()) ||
                           trail.back().y != std::uint8_t(s.hikerY())))
        std::abort();
    return 0;
}

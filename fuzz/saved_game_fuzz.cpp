// Any bytes as the saved game's INI file, beside a sound Nikki.txt: the
// load takes what the rules allow or refuses with a message, never a
// crash, and never leaves a value the journey cannot run with.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/game.h"
#include "journey/headless_ui.h"
#include "journey/loss_divisor.h"
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
    Setting()
    {
        char pattern[] = "/tmp/korvalin-fuzz-XXXXXX";
        folder = mkdtemp(pattern);
        files = {folder / "korvalin.ini", folder / "Nikki.txt"};
        std::ofstream(files.diary, std::ios::binary) << "\r\n\x81\x40\x81\x40\r\nend\r\n";
        game.Travel.FormCreate();
    }
    ~Setting() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    SaveFiles files;
    HeadlessUi ui;
    FixedClock clock;
    Game game{ui, clock};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Setting setting;
    {
        std::ofstream ini(setting.files.ini, std::ios::binary | std::ios::trunc);
        ini.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Game& game = setting.game;
    game.state = GameState{};
    loadGame(game, setting.files);
    const GameState& s = game.state;
    if (s.kk < 1 || s.kk > MaxLossDivisor || s.dd < 0 || s.dd > Diary::LineCount)
        std::abort();
    return 0;
}

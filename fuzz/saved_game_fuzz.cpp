// Any bytes as the files of a saved game, loaded from disk into a running
// game that stands in Seoul: the settle finishes or drops the journal, the
// load takes what the rules allow or refuses with a message, never a crash,
// never a value the journey cannot run with, never a game without a city,
// and never a temporary file left behind.
//
// The input is the INI file, then after each NUL the next file: the trail,
// Nikki.txt (a sound diary when the input stops before it), the save's own
// diary and the journal. Each file there also has a temporary beside it,
// named as a save names them, for the journal to name.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/game_clock.h"
#include "game/loss_divisor.h"
#include "headless/headless_ui.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "world/city_table.h"

namespace {

using namespace korvalin;
namespace fs = std::filesystem;

class FixedClock : public Clock {
public:
    std::uint32_t millisecondsSinceMidnightUtc() const override { return 0; }
    std::chrono::year_month_day today() const override
    {
        return std::chrono::year{1997} / std::chrono::December / 20;
    }
};

// The files are written where writing costs least.
fs::path freshFolder()
{
    std::error_code error;
    const fs::path memory = "/dev/shm";
    std::string pattern = ((fs::is_directory(memory, error) ? memory : fs::temp_directory_path()) /
                           "korvalin-fuzz-XXXXXX")
                              .string();
    return mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
}

struct Setting {
    Setting() { game.Travel.FormCreate(); }
    ~Setting() { fs::remove_all(folder); }

    // A journey under way, standing in Seoul with its diary and trail.
    void startInSeoul()
    {
        game.state = GameState{};
        GameState& s = game.state;
        s.toshi = "大韓民国首都ソウル";
        s.Start = false;
        s.MapX = 200;
        s.MapY = 98;
        s.day = 20 * MinutesPerDay;
        s.dayold = 20;
        game.diary.replaceAll({});
        game.appendDiaryLine("　　ソウルに到着。");
        game.trail.clear();
        game.trail.enter(20, s.hikerX(), s.hikerY());
    }

    const fs::path folder = freshFolder();
    const SaveFiles files{folder / "korvalin.ini", folder / "Nikki.txt", folder / "Kiseki.txt"};
    HeadlessUi ui;
    FixedClock clock;
    Game game{ui, clock};
};

void writeFile(const fs::path& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// A temporary a killed save leaves beside a file, and a copy a player keeps
// there under a name of his own.
fs::path leftoverOf(const fs::path& file)
{
    return file.parent_path() / ("." + file.filename().string() + ".korvalin-tmp-FUZZ01");
}

fs::path playersCopyOf(const fs::path& file)
{
    return file.string() + ".backup";
}

bool isGamesJournal(const fs::path& journal)
{
    std::string head(22, '\0');
    std::ifstream(journal, std::ios::binary).read(head.data(), std::streamsize(head.size()));
    return head == "Korvalin save journal\n";
}

// The input cut at its NULs.
std::vector<std::string_view> piecesOf(std::string_view input)
{
    std::vector<std::string_view> pieces;
    for (std::size_t end = input.find('\0');; end = input.find('\0')) {
        pieces.push_back(input.substr(0, end));
        if (end == std::string_view::npos)
            return pieces;
        input.remove_prefix(end + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Setting setting;
    const SaveFiles& files = setting.files;
    for (const auto& entry : fs::directory_iterator(setting.folder))
        fs::remove_all(entry.path());
    const fs::path journal = fs::path(files.ini).replace_extension(".journal");
    const fs::path paths[] = {files.ini, files.trail, files.diary, savedDiaryPath(files), journal};
    const auto pieces = piecesOf({reinterpret_cast<const char*>(data), size});
    std::vector<fs::path> playersCopies;
    for (std::size_t i = 0; i < std::size(paths); ++i) {
        if (i >= pieces.size() && paths[i] != files.diary)
            continue;
        const std::string_view bytes =
            i < pieces.size() ? pieces[i] : "\r\n\x81\x40\x81\x40\r\nend\r\n";
        writeFile(paths[i], bytes);
        if (paths[i] != journal) {
            writeFile(leftoverOf(paths[i]), bytes);
            writeFile(playersCopyOf(paths[i]), bytes);
            playersCopies.push_back(playersCopyOf(paths[i]));
        }
    }

    Game& game = setting.game;
    setting.startInSeoul();
    game.loadSavedGame(files);
    const GameState& s = game.state;
    if (s.kk < 1 || s.kk > MaxLossDivisor || s.dd < 0 || s.dd > Diary::LineCount ||
        s.day < MinutesPerDay || s.day > LatestMinute || !findCity(s.toshi))
        std::abort();
    const auto trail = game.trail.cells();
    if (!trail.empty() &&
        (trail.back().x != std::uint8_t(s.hikerX()) || trail.back().y != std::uint8_t(s.hikerY())))
        std::abort();
    // The load finishes or drops what a save left behind, and never takes a
    // player's own file for a leftover; what the game did not write at the
    // journal's name stops it before it touches anything.
    const bool foreignJournal = fs::exists(journal) && !isGamesJournal(journal);
    for (const auto& entry : fs::directory_iterator(setting.folder)) {
        if (!foreignJournal && (entry.path() == journal ||
                                entry.path().filename().string().ends_with(".korvalin-tmp-FUZZ01")))
            std::abort();
    }
    for (const fs::path& copy : playersCopies) {
        if (!fs::exists(copy))
            std::abort();
    }
    return 0;
}

// Two different games save in turn in a child process, which is killed at
// random moments. After every kill the harness runs what the game's start
// runs, then loads the saved game into a fresh game: it must be wholly one
// of the two saves (each file whole, the name, the diary and the trail of
// the same save), with no temporary file left beside it.
//   save_crash [kills, default 1000] [folder, default a new one in /tmp]
// The last line reads "N kills: T torn, M mixed, L left behind".
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/game.h"
#include "journey/headless_driver.h"
#include "journey/headless_ui.h"
#include "save/saved_game.h"

namespace {

using namespace korvalin;
namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Remembers whether a load was refused.
class LoadUi : public HeadlessUi {
public:
    void warning(std::string_view) override { refused = true; }
    bool refused = false;
};

// Two games that differ in every file: the name, the money, the length of
// the diary and of the trail.
void prepare(Game& game, const char* name, std::int32_t yen, int lines)
{
    // Back and forth, ending where the hiker stands.
    for (int i = 0; i < lines; ++i)
        game.trail.enter(1, game.state.hikerX() - (lines - 1 - i) % 2, game.state.hikerY());
    game.state.Namae = name;
    game.state.yen = yen;
    game.state.mNow = "97/12/20";
    game.CapitalDlg.Caption = "大韓民国首都ソウル";
    game.CapitalDlg.Button7Visible = false;
    for (int i = 0; i < lines; ++i)
        game.appendDiaryLine("　　ヒッチハイクに成功。" + std::to_string(i) + "台目のトラック。");
}

struct Save {
    std::string ini, diary, trail;
    std::string name;
    std::vector<std::string> diaryLines;
    std::vector<TrailCell> trailCells;
};

Save savedBy(Game& game, const fs::path& folder)
{
    fs::create_directories(folder);
    const SaveFiles files{folder / "korvalin.ini", folder / "Nikki.txt", folder / "Kiseki.txt"};
    saveGame(game, files);
    const auto lines = game.diary.lines();
    const auto cells = game.trail.cells();
    return {bytesOf(files.ini),     bytesOf(files.diary),         bytesOf(files.trail),
            game.state.Namae,       {lines.begin(), lines.end()}, {cells.begin(), cells.end()}};
}

// Which of the saves the loaded game is wholly, or -1 when it is a mix.
int whichSave(const Game& loaded, const std::vector<Save>& saves)
{
    for (std::size_t k = 0; k < saves.size(); ++k) {
        const auto lines = loaded.diary.lines();
        const bool sameDiary = std::equal(lines.begin(), lines.end(), saves[k].diaryLines.begin(),
                                          saves[k].diaryLines.end());
        const bool sameTrail = std::ranges::equal(loaded.trail.cells(), saves[k].trailCells);
        if (loaded.state.Namae == saves[k].name && sameDiary && sameTrail)
            return static_cast<int>(k);
    }
    return -1;
}

bool isWhole(const std::string& bytes, const std::string& first, const std::string& second)
{
    return bytes == first || bytes == second;
}

}  // namespace

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    char pattern[] = "/tmp/korvalin-crash-XXXXXX";
    const fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::path(mkdtemp(pattern));

    HeadlessUi ui;
    SimulatedClock clock;
    Game first(ui, clock), second(ui, clock);
    prepare(first, "甲", 1000, 20);
    prepare(second, "乙乙", 2000000, 400);
    const std::vector<Save> saves = {savedBy(first, folder / "a"), savedBy(second, folder / "b")};
    const fs::path place = folder / "saves";
    savedBy(first, place);
    const SaveFiles files{place / "korvalin.ini", place / "Nikki.txt", place / "Kiseki.txt"};

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> wait(0, 20000);  // microseconds
    int torn = 0, mixed = 0;
    std::set<fs::path> leftBehind;
    for (int k = 0; k < kills; ++k) {
        const pid_t child = fork();
        if (child == 0) {
            for (int n = 0;; ++n)
                saveGame(n % 2 == 0 ? second : first, files);
        }
        usleep(static_cast<useconds_t>(wait(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        settleSavedGame(files);
        const std::string ini = bytesOf(files.ini), diary = bytesOf(files.diary),
                          trail = bytesOf(files.trail);
        const bool whole = isWhole(ini, saves[0].ini, saves[1].ini) &&
                           isWhole(diary, saves[0].diary, saves[1].diary) &&
                           isWhole(trail, saves[0].trail, saves[1].trail);
        LoadUi loadUi;
        Game loaded(loadUi, clock);
        loadGame(loaded, files);
        if (!whole || loadUi.refused) {
            ++torn;
            std::printf("kill %d left a torn file\n", k + 1);
        } else if (whichSave(loaded, saves) < 0) {
            ++mixed;
            std::printf("kill %d left the name of one save beside the diary of the other\n", k + 1);
        }
        for (const auto& entry : fs::directory_iterator(place)) {
            if (entry.path() != files.ini && entry.path() != files.diary &&
                entry.path() != files.trail && leftBehind.insert(entry.path()).second)
                std::printf("kill %d left %s behind\n", k + 1, entry.path().c_str());
        }
    }
    std::printf("%d kills: %d torn, %d mixed, %zu left behind\n", kills, torn, mixed,
                leftBehind.size());
    if (argc <= 2)
        fs::remove_all(folder);
    return torn == 0 && mixed == 0 && leftBehind.empty() ? 0 : 1;
}

// Saves the game again and again in a child process and kills it at random
// moments; after every kill the saved game and the diary must each be the
// old file or the new one, whole.
//   save_crash [kills, default 1000] [folder, default a new one in /tmp]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app/game.h"
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

// Two games that differ in every file: the name, the money and the length
// of the diary.
void prepare(Game& game, const char* name, std::int32_t yen, int lines)
{
    game.state.Namae = name;
    game.state.yen = yen;
    game.state.mNow = "97/12/20";
    game.state.toshi = "大韓民国首都ソウル";
    game.CapitalDlg.Button7Visible = false;
    for (int i = 0; i < lines; ++i)
        game.appendDiaryLine("　　ヒッチハイクに成功。" + std::to_string(i) + "台目のトラック。");
}

struct Pair {
    std::string ini, diary;
};

Pair savedBytes(Game& game, const fs::path& folder)
{
    fs::create_directories(folder);
    const SaveFiles files{folder / "korvalin.ini", folder / "Nikki.txt"};
    saveGame(game, files);
    return {bytesOf(files.ini), bytesOf(files.diary)};
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
    const Pair a = savedBytes(first, folder / "a");
    const Pair b = savedBytes(second, folder / "b");
    const fs::path place = folder / "saves";
    savedBytes(first, place);
    const SaveFiles files{place / "korvalin.ini", place / "Nikki.txt"};

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> wait(0, 20000);  // microseconds
    int torn = 0;
    for (int k = 0; k < kills; ++k) {
        const pid_t child = fork();
        if (child == 0) {
            for (int n = 0;; ++n)
                saveGame(n % 2 == 0 ? second : first, files);
        }
        usleep(static_cast<useconds_t>(wait(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string ini = bytesOf(files.ini), diary = bytesOf(files.diary);
        if ((ini != a.ini && ini != b.ini) || (diary != a.diary && diary != b.diary)) {
            ++torn;
            std::printf("kill %d left a torn file\n", k + 1);
        }
    }
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(place))
        leftovers += entry.path().filename().string().find(".ini.") != std::string::npos ||
                     entry.path().filename().string().find(".txt.") != std::string::npos;
    std::printf("kills %d, torn files %d, temporary files left by the kills %d\n", kills, torn,
                leftovers);
    if (argc <= 2)
        fs::remove_all(folder);
    return torn == 0 ? 0 : 1;
}

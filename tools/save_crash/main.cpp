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

#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "headless/headless_driver.h"
#include "two_games.h"

using namespace korvalin;
using namespace korvalin::save_tools;
namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    char pattern[] = "/tmp/korvalin-crash-XXXXXX";
    const fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::path(mkdtemp(pattern));

    HeadlessUi ui;
    SimulatedClock clock;
    Game first(ui, clock), second(ui, clock);
    const fs::path place = folder / "saves";
    const std::vector<Save> saves = twoDifferentGames(first, second, folder, place);
    const SaveFiles files = filesIn(place);

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> wait(0, 20000);  // microseconds
    int torn = 0, mixed = 0;
    std::set<fs::path> left;
    for (int k = 0; k < kills; ++k) {
        const pid_t child = fork();
        if (child == 0) {
            for (int n = 0;; ++n)
                saveGame(n % 2 == 0 ? second : first, files);
        }
        usleep(static_cast<useconds_t>(wait(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        switch (loadedFrom(files, saves, clock)) {
            case Outcome::Torn:
                ++torn;
                std::printf("kill %d left a torn file\n", k + 1);
                break;
            case Outcome::Mixed:
                ++mixed;
                std::printf("kill %d left the name of one save beside the diary of the other\n",
                            k + 1);
                break;
            case Outcome::Whole:
                break;
        }
        for (const fs::path& path : leftBehind(files)) {
            if (left.insert(path).second)
                std::printf("kill %d left %s behind\n", k + 1, path.c_str());
        }
    }
    std::printf("%d kills: %d torn, %d mixed, %zu left behind\n", kills, torn, mixed, left.size());
    if (argc <= 2)
        fs::remove_all(folder);
    return torn == 0 && mixed == 0 && left.empty() ? 0 : 1;
}

// Two copies of the game save into one folder at the same moment, as when
// the player starts the game twice. Each round forks the two copies, lets
// them save together and then loads the folder: it must be wholly one of
// the two games, and wholly the one that said it saved when the other said
// it could not.
//   save_race [rounds, default 600]
// The last line reads "N rounds, R saves refused: M mixed".
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "headless/headless_driver.h"
#include "two_games.h"

using namespace korvalin;
using namespace korvalin::save_tools;
namespace fs = std::filesystem;

namespace {

// A copy that waits until the pipe `start` is closed, saves once and exits
// 0 when it said it saved. `ui` is the game's.
pid_t copyThatSaves(Game& game, RefusingUi& ui, const SaveFiles& files, const int start[2])
{
    const pid_t child = fork();
    if (child == 0) {
        close(start[1]);
        char nothing;
        [[maybe_unused]] const ssize_t closed = read(start[0], &nothing, 1);
        ui.refused = false;
        saveGame(game, files);
        _exit(ui.refused ? 1 : 0);
    }
    return child;
}

bool saved(pid_t copy)
{
    int status = 0;
    waitpid(copy, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 600;
    char pattern[] = "/tmp/korvalin-race-XXXXXX";
    const fs::path folder = mkdtemp(pattern);

    RefusingUi ui;
    SimulatedClock clock;
    Game first(ui, clock), second(ui, clock);
    const SaveFiles files = filesIn(folder / "saves");
    const std::vector<Save> saves =
        twoDifferentGames(first, second, folder, files.ini.parent_path());

    int refused = 0, mixed = 0;
    for (int round = 1; round <= rounds; ++round) {
        int start[2];
        if (pipe(start) != 0)
            return 2;
        const pid_t copies[] = {copyThatSaves(first, ui, files, start),
                                copyThatSaves(second, ui, files, start)};
        close(start[0]);
        close(start[1]);
        const bool firstSaved = saved(copies[0]);
        const bool secondSaved = saved(copies[1]);
        refused += !firstSaved + !secondSaved;

        const Outcome outcome = loadedFrom(files, saves, clock);
        // A copy that could not save left the other's game.
        const bool wrongGame = firstSaved != secondSaved &&
                               bytesOf(files.ini) != saves[firstSaved ? 0 : 1].bytes.front();
        if (outcome != Outcome::Whole || wrongGame) {
            ++mixed;
            std::printf("round %d left a unit that is not one game's\n", round);
        }
    }
    std::printf("%d rounds, %d saves refused: %d mixed\n", rounds, refused, mixed);
    fs::remove_all(folder);
    return mixed == 0 ? 0 : 1;
}

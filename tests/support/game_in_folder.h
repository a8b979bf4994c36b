#pragma once

#include "game/save_files.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin::testing {

// A game of its own whose saved game lies in a folder of its own, as the
// save and load tests play it.
struct GameInFolder {
    FakeUi ui;
    FakeClock clock;
    Game game{ui, clock};
    GameState& s = game.state;
    TempDir dir;
    SaveFiles files{dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
};

}  // namespace korvalin::testing

#include "session/game.h"

#include <utility>

#include "save/saved_game.h"

namespace korvalin {

Game::Game(Ui& ui, Clock& clock, SaveFiles saveFiles)
    : GameCore(ui, clock, *this, std::move(saveFiles))
{
}

bool Game::loadSavedGame()
{
    return loadSavedGame(saveFiles);
}

// The loaded game stands in its city as after an arrival: on foot, the
// capital screen of the city open, the title screen gone.
bool Game::loadSavedGame(const SaveFiles& files)
{
    return loadGame(*this, files, [this] {
        Travel.showOnFoot();
        CapitalDlg.resumeStay();
        ui.show(WindowId::CapitalDlg);
        ui.close(WindowId::HelpDlg);
    });
}

}  // namespace korvalin

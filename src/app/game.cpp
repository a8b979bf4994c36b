#include "app/game.h"

namespace korvalin {

Game::Game(Ui& ui, Clock& clock) : ui(ui), clock(clock) {}

}  // namespace korvalin

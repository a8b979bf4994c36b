#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace korvalin {

class DesktopUi;
class Game;

// Creates every window of the game once, in the window table's order,
// registering each with the Ui and reporting the splash gauge's progress
// after each. Throws StartupError when the game cannot be played.
std::vector<std::unique_ptr<QWidget>> createWindows(Game& game, DesktopUi& ui,
                                                    const std::function<void(int)>& progress);

}  // namespace korvalin

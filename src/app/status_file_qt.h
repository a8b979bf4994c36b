#pragma once

namespace korvalin {

class DesktopUi;

// Keeps the file at `path` holding the main window's status bar, one caption
// a line from left to right, written anew whenever a caption changes. The
// desktop tests read the game through it; a player's game never asks for it.
void mirrorStatusBar(DesktopUi& ui, const char* path);

}  // namespace korvalin

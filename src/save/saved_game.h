#pragma once

namespace korvalin {

class Game;

// The capital screen's "ｹﾞｰﾑの保存": the game's state to the INI file beside
// the program and the diary to Nikki.txt.
void saveGame(Game& game);

// The title screen's "Load": the saved game back, resuming on the capital
// screen of the place where it was saved.
void loadGame(Game& game);

}  // namespace korvalin

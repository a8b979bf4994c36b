#pragma once

namespace korvalin {

class Game;

// Sending a telegram home.
class SosinDlg {
public:
    explicit SosinDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

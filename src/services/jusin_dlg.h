#pragma once

namespace korvalin {

class Game;

// Receiving the answer from home.
class JusinDlg {
public:
    explicit JusinDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

#pragma once

namespace korvalin {

class Game;

// The part-time job of the capital stay.
class ArbeitDlg {
public:
    explicit ArbeitDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

#pragma once

namespace korvalin {

class Game;

// The pawn shop.
class SitiyaDlg {
public:
    explicit SitiyaDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

#pragma once

namespace korvalin {

class Game;

// Out of money: start again, or give up.
class EndDlg {
public:
    explicit EndDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

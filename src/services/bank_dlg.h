#pragma once

namespace korvalin {

class Game;

// The bank, where the course money and money from home wait.
class BankDlg {
public:
    explicit BankDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

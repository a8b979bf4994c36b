#pragma once

namespace korvalin {

class Game;

// The goal screen in London.
class LondonDlg {
public:
    explicit LondonDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

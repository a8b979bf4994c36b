#pragma once

namespace korvalin {

class Game;

// The shop.
class KaimonoDlg {
public:
    explicit KaimonoDlg(Game& game) : game_(game) {}

    // The sixth row of the shop; crossing a border takes its offer away.
    bool KaimonoButton6Visible = true;

private:
    Game& game_;
};

}  // namespace korvalin

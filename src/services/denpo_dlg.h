#pragma once

namespace korvalin {

class Game;

// The telegram office: receive or send.
class DenpoDlg {
public:
    explicit DenpoDlg(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

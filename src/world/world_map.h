#pragma once

namespace korvalin {

class Game;

// The whole map at one pixel per cell.
class WorldMap {
public:
    explicit WorldMap(Game& game) : game_(game) {}

private:
    Game& game_;
};

}  // namespace korvalin

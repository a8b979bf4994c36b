#pragma once

namespace korvalin {

class Game;
class WorldGrid;
struct GameState;

// The checks each journey tick makes after the move, in the order the tick
// makes them.

// Entering the destination country of the leg; counts one cell early,
// since the neighbours of the hiker's cell count.
void checkBorderCrossing(Game& game);
// Whether a hiker on (x, y) has reached the leg's destination country.
bool reachesDestination(const WorldGrid& world, const GameState& s, int x, int y);

// Losing the passport in the open country of the present country.
void checkPassportLoss(Game& game);

// The step under way leads into a capital or a city: the capital screen (or,
// without passport or money, the notice to go straight to a capital) opens.
void checkCapitalArrival(Game& game);
void checkCityArrival(Game& game);

// The step under way leads into London; celebrated once per journey.
void checkLondonArrival(Game& game);
bool standsInLondon(const Game& game);

// The country in the status bar, the hitchhiking odds there, and the line
// that tells the diary the destination has been reached.
void updateCountryCaption(Game& game);

}  // namespace korvalin

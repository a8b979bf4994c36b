#pragma once

namespace korvalin {

class GameCore;
class Travel;
class WorldGrid;
struct GameState;

// The checks each journey tick makes after the move, in the order the tick
// makes them.

// Entering the destination country of the leg; counts one cell early,
// since the neighbours of the hiker's cell count.
void checkBorderCrossing(GameCore& game);
// Whether a hiker on (x, y) has reached the leg's destination country.
bool reachesDestination(const WorldGrid& world, const GameState& s, int x, int y);

// Losing the passport in the open country of the present country.
void checkPassportLoss(GameCore& game, Travel& travel);

// The step under way leads into a capital or a city: the capital screen (or,
// without passport or money, the notice to go straight to a capital) opens.
void checkCapitalArrival(GameCore& game, Travel& travel);
void checkCityArrival(GameCore& game, Travel& travel);

// The step under way leads into London; celebrated once per journey.
void checkLondonArrival(GameCore& game);
bool standsInLondon(const GameCore& game);

// The country in the status bar, the hitchhiking odds there, and the line
// that tells the diary the destination has been reached.
void updateCountryCaption(GameCore& game);

}  // namespace korvalin

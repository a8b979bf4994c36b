#pragma once

#include <QImage>

namespace korvalin {

class GameCore;

// The picture of the whole journey the player may keep from London: the
// world map with his trail and the duo's route, and under it his name, the
// course, the days and the capitals on the way.
inline constexpr int JourneyTextHeight = 136;
QImage journeyPicture(const GameCore& game);

// The picture to `path` as PNG; false when it cannot be written.
bool saveJourneyPicture(const GameCore& game, const QString& path);

}  // namespace korvalin

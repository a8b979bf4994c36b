#pragma once

#include <span>
#include <string>
#include <vector>

#include "game/trail.h"

namespace korvalin {

class GameCore;

// What the picture of the whole journey, kept from London, says under its
// map: who travelled, on which course, in how many days, and the capitals
// on the way in the order they were first reached.
struct JourneyPictureTexts {
    std::string headline;
    std::string capitals;
};

JourneyPictureTexts journeyPictureTexts(const GameCore& game);

// The capitals whose screen the trail's cells opened, first reaches only.
std::vector<std::string> capitalsPassed(std::span<const TrailCell> trail);

}  // namespace korvalin

#pragma once

#include <string>
#include <vector>

namespace korvalin {

// One text the game can show or write, and where: the place is the table or
// screen it belongs to, e.g. "help/12" or "diary/east/vehicle".
struct GameText {
    std::string place;
    std::string text;
};

// Every text of the game's tables and screens, in a fixed order: windows,
// title and help, travel, places, capitals, diary, services, endings, files.
// Texts made from a number or a path appear with a sample one.
std::vector<GameText> gameTexts();

// The texts one a line, place and text apart by a tab; a line break inside a
// text is written as \n.
std::string gameTextListing();

}  // namespace korvalin

#pragma once

#include <QImage>
#include <QSize>

namespace korvalin {

class TileSheet;
class WorldGrid;

// The picture behind the title and help text: the game's own world map in
// its tile colours, darkened where the white text runs and lit where the
// purple title line sits, with the game's name lettered across the top.
QImage titlePicture(const WorldGrid& world, const TileSheet& tiles, QSize size);

}  // namespace korvalin

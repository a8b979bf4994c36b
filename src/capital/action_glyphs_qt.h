#pragma once

#include <QIcon>
#include <QPixmap>

namespace korvalin {

// The picture on action button k (1..12) of the capital screen, drawn in
// code: up, disabled, pressed and pressed-in-group looks. The pawnshop's
// sign is a letter of the language of play.
QIcon actionGlyph(int k);

// Footprint k (1..4) of the walk across the top strip: right, left, right,
// left, stepping up the strip.
QPixmap footprintPicture(int k);

}  // namespace korvalin

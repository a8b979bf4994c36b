#pragma once

#include <QString>

namespace korvalin {

// The family that draws the game's 12-pixel proportional Gothic (ＭＳ Ｐゴシック)
// on this platform: the platform's own.
QString gameFontFamily();

}  // namespace korvalin

#pragma once

#include <QColor>
#include <QImage>

namespace korvalin {

// The picture of the goal screen, 320 x 216: the Thames at dusk with the
// clock tower and the Houses of Parliament, a domed church and the towers
// of a bascule bridge against the sky.
QImage londonPicture();

// The lamplight in the windows of the picture and on the river.
inline const QColor LondonLamplight{255, 214, 120};

}  // namespace korvalin

#pragma once

#include <QImage>

namespace korvalin {

// The picture of the goal screen, 320 x 216: the Thames at dusk with the
// clock tower and the Houses of Parliament, a domed church and the towers
// of a bascule bridge against the sky.
QImage londonPicture();

}  // namespace korvalin

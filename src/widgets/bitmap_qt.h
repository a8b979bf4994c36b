#pragma once

#include <QImage>

#include "world/bitmap.h"

namespace korvalin {

// The game's picture as Qt draws it, without a copy: valid while `bitmap`
// lives and keeps its size.
inline QImage imageOf(const Bitmap& bitmap)
{
    return QImage(reinterpret_cast<const uchar*>(bitmap.data()), bitmap.width(), bitmap.height(),
                  bitmap.width() * 4, QImage::Format_RGB32);
}

}  // namespace korvalin

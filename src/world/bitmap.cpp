#include "world/bitmap.h"

#include <cstring>

namespace korvalin {

void Bitmap::copyRect(const Bitmap& source, int sx, int sy, int w, int h, int dx, int dy)
{
    const std::size_t bytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
    // Moving down within one bitmap, copy bottom-up so no source row is
    // overwritten before it is read; memmove takes care of each row.
    const bool bottomUp = &source == this && dy > sy;
    for (int i = 0; i < h; ++i) {
        const int r = bottomUp ? h - 1 - i : i;
        std::memmove(row(dy + r) + dx, source.row(sy + r) + sx, bytes);
    }
}

}  // namespace korvalin

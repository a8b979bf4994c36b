#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "world/bitmap.h"

namespace korvalin {

// Why no sheet could be used.
enum class TileSheetFault { None, Missing, Unreadable, Broken };

// The tile pictures read from Map25.BMP: 16 x 16 tiles of 16 x 16 pixels,
// the tile of code t at (16 * (t mod 16), 16 * (t div 16)).
class TileSheet {
public:
    static constexpr int SheetSize = 256;
    static constexpr int TileSize = 16;

    TileSheet() = default;
    explicit TileSheet(Bitmap pixels) : pixels_(std::move(pixels)) {}

    bool isLoaded() const { return !pixels_.isNull(); }
    const Bitmap& pixels() const { return pixels_; }

    // A plain source copy of the tile of `code` to pixel (px, py).
    void drawTile(Bitmap& target, std::uint8_t code, int px, int py) const
    {
        target.copyRect(pixels_, TileSize * (code % 16), TileSize * (code / 16), TileSize, TileSize,
                        px, py);
    }

private:
    Bitmap pixels_;
};

}  // namespace korvalin

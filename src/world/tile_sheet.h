#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "world/bitmap.h"

namespace korvalin {

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

    // The messages shown when the sheet cannot be used, naming the file or,
    // when none was found, every place looked in.
    static std::string missingFileMessage(const std::vector<std::string>& places);
    static std::string unreadableFileMessage(const std::string& path);
    static std::string brokenFileMessage(const std::string& path);

private:
    Bitmap pixels_;
};

}  // namespace korvalin

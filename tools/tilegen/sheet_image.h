#pragma once

#include <array>
#include <cstdint>

namespace korvalin {

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;

    bool operator==(const Rgb&) const = default;
};

// The tile sheet as the game reads it: 16 x 16 tiles of 16 x 16 pixels, the
// tile of code t at pixel (16 * (t mod 16), 16 * (t div 16)).
class SheetImage {
public:
    static constexpr int TileSize = 16;
    static constexpr int TilesPerRow = 16;
    static constexpr int Size = TileSize * TilesPerRow;

    Rgb pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, Rgb colour) { pixels_[index(x, y)] = colour; }

    // Pixel (x, y) of the tile of `code`, with x and y in 0..15.
    void setTilePixel(std::uint8_t code, int x, int y, Rgb colour)
    {
        setPixel(TileSize * (code % TilesPerRow) + x, TileSize * (code / TilesPerRow) + y, colour);
    }

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y * Size + x); }

    std::array<Rgb, Size * Size> pixels_{};
};

}  // namespace korvalin

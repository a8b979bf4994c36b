#pragma once

#include <cstdint>
#include <vector>

namespace korvalin {

// A plain 32-bit pixel picture (0xAARRGGBB), the core's drawing surface.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height) : width_(width), height_(height), pixels_(size(width, height)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool isNull() const { return pixels_.empty(); }

    std::uint32_t pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, std::uint32_t argb) { pixels_[index(x, y)] = argb; }
    std::uint32_t* row(int y) { return pixels_.data() + index(0, y); }
    const std::uint32_t* row(int y) const { return pixels_.data() + index(0, y); }
    const std::uint32_t* data() const { return pixels_.data(); }

    // Copies a w x h block of `source` to (dx, dy). Within one bitmap the
    // result is that of copying the source as it was, however the two
    // rectangles overlap.
    void copyRect(const Bitmap& source, int sx, int sy, int w, int h, int dx, int dy);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    static std::size_t size(int w, int h) { return static_cast<std::size_t>(w) * h; }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace korvalin

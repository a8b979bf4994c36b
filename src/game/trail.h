#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace korvalin {

// A cell the hiker entered, and the day number he entered it on.
struct TrailCell {
    std::int32_t day;
    std::uint8_t x;
    std::uint8_t y;

    friend bool operator==(const TrailCell&, const TrailCell&) = default;
};

// The player's own journey, cell by cell in the order he entered them: what
// the world map draws in his colour and the saved game keeps beside the
// diary. Eight bytes a cell; a long journey enters a few thousand.
class Trail {
public:
    void enter(int day, int x, int y)
    {
        cells_.push_back({day, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)});
    }
    void clear() { cells_.clear(); }
    void replaceAll(std::vector<TrailCell> cells) { cells_ = std::move(cells); }
    std::span<const TrailCell> cells() const { return cells_; }

private:
    std::vector<TrailCell> cells_;
};

}  // namespace korvalin

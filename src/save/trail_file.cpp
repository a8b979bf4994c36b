#include "save/trail_file.h"

#include <charconv>

#include "game/game_clock.h"
#include "save/cp932.h"
#include "save/diary_file.h"
#include "save/file_messages.h"
#include "save/regular_file.h"
#include "world/world_grid.h"

namespace korvalin {

namespace {

constexpr std::string_view Header = "旅の軌跡（日,x,y）";

// Eight bytes a cell in memory: a trail file this large would be a journey
// of tens of thousands of years.
constexpr std::uintmax_t LargestTrailFile = 8 << 20;

// A whole number from `low` to `high` up to the next comma or the end.
std::optional<int> number(std::string_view& text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end == text.data() || value < low || value > high)
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (!text.empty() && text.front() == ',')
        text.remove_prefix(1);
    return value;
}

std::optional<TrailCell> cellFromLine(std::string_view line)
{
    if (line.empty() || line.back() == ',')
        return std::nullopt;
    const auto day = number(line, 1, LatestDay);
    const auto x = day ? number(line, 0, GridSize - 1) : std::nullopt;
    const auto y = x ? number(line, 0, GridSize - 1) : std::nullopt;
    if (!y || !line.empty())
        return std::nullopt;
    return TrailCell{*day, static_cast<std::uint8_t>(*x), static_cast<std::uint8_t>(*y)};
}

// One cell apart, across the map's edges too.
bool besideEachOther(const TrailCell& a, const TrailCell& b)
{
    const auto apart = [](std::uint8_t p, std::uint8_t q) {
        const int d = (p - q + GridSize) % GridSize;
        return std::min(d, GridSize - d);
    };
    return apart(a.x, b.x) + apart(a.y, b.y) == 1;
}

}  // namespace

std::filesystem::path trailPath(const std::filesystem::path& folder)
{
    return folder / "Kiseki.txt";
}

std::string trailFileBytes(std::span<const TrailCell> cells)
{
    std::string bytes = *toCp932(Header) + "\r\n";
    for (const TrailCell& cell : cells) {
        bytes += std::to_string(cell.day) + ',' + std::to_string(int{cell.x}) + ',' +
                 std::to_string(int{cell.y}) + "\r\n";
    }
    return bytes;
}

std::optional<std::vector<TrailCell>> trailFromBytes(std::string_view bytes)
{
    const auto lines = decodeDiaryLines(bytes);
    if (!lines || lines->empty() || lines->front() != Header)
        return std::nullopt;
    std::vector<TrailCell> cells;
    cells.reserve(lines->size() - 1);
    for (std::size_t i = 1; i < lines->size(); ++i) {
        const auto cell = cellFromLine((*lines)[i]);
        if (!cell)
            return std::nullopt;
        if (!cells.empty() &&
            (cell->day < cells.back().day || !besideEachOther(cells.back(), *cell)))
            return std::nullopt;
        cells.push_back(*cell);
    }
    return cells;
}

TrailBytes readTrailBytes(const std::filesystem::path& path)
{
    TrailBytes trail;
    switch (readRegularFile(path, LargestTrailFile, trail.bytes)) {
        case ReadFault::None:
            trail.found = TrailBytes::Found::Read;
            break;
        case ReadFault::Missing:
            trail.found = TrailBytes::Found::Missing;
            break;
        default:
            trail.found = TrailBytes::Found::Damaged;
            trail.bytes.clear();
    }
    return trail;
}

std::string trailDroppedMessage(const std::filesystem::path& path)
{
    return fill(tr("旅の軌跡%1が壊れていたので、地図の軌跡は消えました。"), quotedPath(path));
}

}  // namespace korvalin

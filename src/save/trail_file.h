#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/trail.h"

namespace korvalin {

// The trail file, Kiseki.txt, beside Nikki.txt: Shift-JIS with CR LF like
// the diary, a header line, then one line "day,x,y" per cell entered.

// The trail file in a folder.
std::filesystem::path trailPath(const std::filesystem::path& folder);

std::string trailFileBytes(std::span<const TrailCell> cells);

// The cells, or nothing when the bytes are not a trail the game wrote: a
// header of its own, numbers in range, days that never run backwards and
// each cell beside the one before.
std::optional<std::vector<TrailCell>> trailFromBytes(std::string_view bytes);

// What a load finds of the trail file: none, as beside a game saved before
// the game kept trails; one that is not a regular file or cannot be read
// whole, which it takes for a damaged trail; or the file's bytes.
struct TrailBytes {
    enum class Found { Missing, Damaged, Read };
    Found found = Found::Missing;
    std::string bytes;  // when Read
};

TrailBytes readTrailBytes(const std::filesystem::path& path);

// The one line a load shows when it drops a damaged trail.
std::string trailDroppedMessage(const std::filesystem::path& path);

}  // namespace korvalin

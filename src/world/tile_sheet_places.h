#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace korvalin {

// The tile sheet in a folder.
std::filesystem::path tileSheetPath(const std::filesystem::path& folder);

// The data folder of an installed copy: share/korvalin beside the program's
// bin folder, wherever it was installed.
std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder);

// The places the tile sheet is looked for, in order: the working directory,
// the program's own folder, and the data folder of an installed copy.
std::vector<std::filesystem::path> tileSheetPlaces(const std::filesystem::path& workingDirectory,
                                                   const std::filesystem::path& executable);

// The first of `places` that holds the tile sheet as a file.
std::optional<std::filesystem::path> firstTileSheet(
    const std::vector<std::filesystem::path>& places);

}  // namespace korvalin

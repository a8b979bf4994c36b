#include "world/tile_sheet_places.h"

#include <system_error>

namespace korvalin {

std::filesystem::path tileSheetPath(const std::filesystem::path& folder)
{
    return folder / "Map25.BMP";
}

std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder)
{
    return programFolder.parent_path() / "share" / "korvalin";
}

std::vector<std::filesystem::path> tileSheetPlaces(const std::filesystem::path& workingDirectory,
                                                   const std::filesystem::path& executable)
{
    const std::filesystem::path programFolder = executable.parent_path();
    return {tileSheetPath(workingDirectory), tileSheetPath(programFolder),
            tileSheetPath(installedDataFolder(programFolder))};
}

std::optional<std::filesystem::path> firstTileSheet(
    const std::vector<std::filesystem::path>& places)
{
    for (const std::filesystem::path& place : places) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(place, ignored))
            return place;
    }
    return std::nullopt;
}

}  // namespace korvalin

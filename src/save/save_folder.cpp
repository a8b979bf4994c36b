#include "save/save_folder.h"

#include <system_error>

#include "save/file_system.h"
#include "world/tile_sheet_places.h"

namespace korvalin {

namespace {

// An installed copy keeps its tile sheet in its data folder; root may write
// to /usr/games, but the saved game has no place among the system's files.
bool isInstalledCopy(const std::filesystem::path& programFolder)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(tileSheetPath(installedDataFolder(programFolder)),
                                            ignored);
}

}  // namespace

std::filesystem::path diaryPath(const std::filesystem::path& folder)
{
    return folder / "Nikki.txt";
}

std::filesystem::path saveFolder(const std::filesystem::path& executable)
{
    const std::filesystem::path programFolder = executable.parent_path();
    if (isWritableFolder(programFolder) && !isInstalledCopy(programFolder))
        return programFolder;
    // Made here so that the first save finds its folder; a failure shows
    // when that save reports it cannot write.
    const std::filesystem::path folder = userDataFolder();
    std::error_code reportedBySave;
    std::filesystem::create_directories(folder, reportedBySave);
    return folder;
}

std::filesystem::path savedGamePath(const std::filesystem::path& executable)
{
    // A program without an extension gets ".ini" appended.
    return saveFolder(executable) / executable.filename().replace_extension(".ini");
}

}  // namespace korvalin

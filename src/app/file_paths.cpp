#include "app/file_paths.h"

namespace korvalin {

std::filesystem::path tileSheetPath(const std::filesystem::path& workingDirectory)
{
    return workingDirectory / "Map25.BMP";
}

std::filesystem::path diaryPath(const std::filesystem::path& workingDirectory)
{
    return workingDirectory / "Nikki.txt";
}

std::filesystem::path savedGamePath(const std::filesystem::path& executable)
{
    // A program without an extension gets ".ini" appended.
    std::filesystem::path path = executable;
    return path.replace_extension(".ini");
}

}  // namespace korvalin

#pragma once

#include <filesystem>

namespace korvalin {

// The tile sheet and the diary file are looked for in the working
// directory; the saved game sits beside the program and shares its name.
std::filesystem::path tileSheetPath(const std::filesystem::path& workingDirectory);
std::filesystem::path diaryPath(const std::filesystem::path& workingDirectory);
std::filesystem::path savedGamePath(const std::filesystem::path& executable);

}  // namespace korvalin

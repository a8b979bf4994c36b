#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace korvalin {

// What the save layer asks of the system it runs on, written once for each
// system (save/posix, save/windows); everything above these calls is the
// same everywhere.

// Writes `bytes` to a new file named `pattern` with its last six letters
// ("XXXXXX") made unique, and flushes it to the disk. The file's path, or
// nothing, and no file left, when any step fails.
std::optional<std::filesystem::path> writeUniqueFile(const std::filesystem::path& pattern,
                                                     std::string_view bytes);

// Puts the file `from` in the place of `to` in one step, replacing it.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Makes the renames and removals in `folder` so far survive a power cut.
bool syncFolder(const std::filesystem::path& folder);

// The running program's own file.
std::filesystem::path programPath();

// Whether the game may make and replace files in `folder`.
bool isWritableFolder(const std::filesystem::path& folder);

// The user's own folder for the game's files, for a program whose folder
// is not the user's to write.
std::filesystem::path userDataFolder();

}  // namespace korvalin

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace korvalin {

enum class ReadFault { None, Missing, NotAFile, TooLarge, Unreadable };

// The whole of a regular file of at most `limit` bytes, into `bytes`. The
// file is opened without waiting and its type checked before anything is
// read, so a pipe or a device in its place is refused at once instead of
// hanging the game or filling its memory.
ReadFault readRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                          std::string& bytes);

// Whether `path` names a regular file or nothing at all: the game replaces
// only what is its own kind of file, never a folder, a pipe or a link.
bool isRegularOrMissing(const std::filesystem::path& path);

// What the player is told of a kind of file that cannot be read: templates
// whose %1 is the file's quoted path.
struct ReadFaultTexts {
    std::string_view notAFile;
    std::string_view tooLarge;
    std::string_view unreadable;
};

// The player's message for a fault of the file at `path`, in the language
// of play.
std::string readFaultMessage(ReadFault fault, const ReadFaultTexts& texts,
                             const std::filesystem::path& path);

}  // namespace korvalin

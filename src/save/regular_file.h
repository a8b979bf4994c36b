#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// A file's bytes read block by block into `bytes`, each system reading its
// own way: `readBlock` fills the buffer and returns how much it read, 0 at
// the end, below 0 on a fault. Up to `limit` + 1 bytes are read, so that a
// file grown past its limit since it was measured is still found too large.
using BlockReader = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;
ReadFault readUpTo(std::uintmax_t limit, std::string& bytes, const BlockReader& readBlock);

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

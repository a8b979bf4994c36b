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

// The player's message for a fault of the file `what` (e.g. "保存ファイル")
// at `path`; `tooLarge` says what a file of that size cannot be.
std::string readFaultMessage(ReadFault fault, std::string_view what,
                             const std::filesystem::path& path, std::string_view tooLarge);

}  // namespace korvalin

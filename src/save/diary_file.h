#pragma once

#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/result.h"
#include "save/regular_file.h"

namespace korvalin {

// The diary file, Nikki.txt: the diary's lines as Windows writes a memo's
// lines, Shift-JIS (code page 932) with every line ended by CR LF.

// The file's bytes, or nothing when a line holds a character Shift-JIS
// cannot write; `badLine` then tells which.
std::optional<std::string> encodeDiaryLines(std::span<const std::string> lines,
                                            std::size_t* badLine = nullptr);

// Lines ended by CR LF, LF or CR (a last line may lack its end), or nothing
// when a line holds bytes that are not Shift-JIS; `badLine` then tells which.
// Lines past `lineLimit` are neither read nor checked.
std::optional<std::vector<std::string>> decodeDiaryLines(
    std::string_view bytes, std::size_t* badLine = nullptr,
    std::size_t lineLimit = std::numeric_limits<std::size_t>::max());

// The bytes of the file at `path`, or the message that names the line
// Shift-JIS cannot write.
Result<std::string> diaryFileBytes(const std::filesystem::path& path,
                                   std::span<const std::string> lines);

// It fails with the message to show the player. A failed save leaves the
// old file as it was: the lines go to a temporary file beside it, which then
// replaces it, while the game holds the folder (another copy saving there
// stops the save).
Result<> saveDiaryFile(const std::filesystem::path& path, std::span<const std::string> lines);

// The two halves of a read: the file's bytes, and the lines in bytes already
// read from the file at `path`, as many as the diary holds. Only a regular
// file is read, and one far larger than any journey writes is refused.
ReadFault readDiaryBytes(const std::filesystem::path& path, std::string& bytes);
std::string diaryReadMessage(ReadFault fault, const std::filesystem::path& path);
Result<std::vector<std::string>> diaryFromBytes(const std::filesystem::path& path,
                                                std::string_view bytes);

}  // namespace korvalin

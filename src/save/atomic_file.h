#pragma once

#include <filesystem>
#include <string_view>

namespace korvalin {

// Replaces the file at `path` with `bytes` so that a crash or a full disk
// never leaves half a file: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and the temporary file is then renamed
// over the old one. False when any step fails; the old file is then intact
// and no temporary file is left behind.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace korvalin

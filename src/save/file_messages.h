#pragma once

#include <filesystem>
#include <string>

namespace korvalin {

// The player's messages about the game's files name the file in full.
inline std::string quotedPath(const std::filesystem::path& path)
{
    return "「" + path.string() + "」";
}

inline std::string cannotWriteMessage(const std::filesystem::path& path)
{
    return quotedPath(path) + "に書き込めませんでした。";
}

}  // namespace korvalin

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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

// Another copy of the game is saving or loading in `folder`; `refused` says
// what this one did not do.
inline std::string folderInUseMessage(const std::filesystem::path& folder, std::string_view refused)
{
    return "もう一つのゲームが" + quotedPath(folder) + "を使っているため、" + std::string(refused);
}

}  // namespace korvalin

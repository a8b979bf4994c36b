#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "game/language.h"

namespace korvalin {

// The player's messages about the game's files name the file in full, in
// the language of play.
inline std::string quotedPath(const std::filesystem::path& path)
{
    return fill(tr("「%1」"), path.string());
}

inline std::string cannotWriteMessage(const std::filesystem::path& path)
{
    return fill(tr("%1に書き込めませんでした。"), quotedPath(path));
}

// What a copy of the game did not do because another was saving or loading
// in the folder, %1.
inline constexpr std::string_view NotLoadedInUse =
    "もう一つのゲームが%1を使っているため、読み込めませんでした。";
inline constexpr std::string_view NotSavedInUse =
    "もう一つのゲームが%1を使っているため、保存できませんでした。";
inline constexpr std::string_view NotCheckedInUse =
    "もう一つのゲームが%1を使っているため、保存したゲームを確かめられませんでした。";

inline std::string folderInUseMessage(const std::filesystem::path& folder, std::string_view refusal)
{
    return fill(tr(refusal), quotedPath(folder));
}

}  // namespace korvalin

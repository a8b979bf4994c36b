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

// A save refused before it changed anything: a folder, a pipe or a link
// stands where a file of the save or the diary goes.
inline std::string notAFileToSaveMessage(const std::filesystem::path& path)
{
    return fill(tr("%1は普通のファイルではないため、書き込めませんでした。何も保存していません。"),
                quotedPath(path));
}

// Something at the journal's name that the game did not write, and so
// neither follows nor removes.
inline std::string foreignJournalMessage(const std::filesystem::path& journal)
{
    return fill(tr("%1はこのゲームが書いたものではありません。取り除くまで、ゲームの"
                   "保存も読み込みもできません。"),
                quotedPath(journal));
}

// A save the disk stopped between its renames, with no room left to put the
// old files back: its journal finishes it.
inline std::string saveFinishedLaterMessage(const std::filesystem::path& path)
{
    return fill(tr("%1に書き込めませんでした。保存は、次にゲームを始めるか"
                   "読み込むときに仕上げます。"),
                quotedPath(path));
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

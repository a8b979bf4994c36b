#pragma once

#include <filesystem>

namespace korvalin {

// The diary file in a folder.
std::filesystem::path diaryPath(const std::filesystem::path& folder);

// The one folder of the saved game: its INI file, Nikki.txt beside it, and
// the diary written on giving up and on publishing. It is the program's own
// folder when that is writable, so a copy on a stick carries its game along;
// an installed program in a system folder saves to the user's data folder
// instead ($XDG_DATA_HOME/korvalin, by default ~/.local/share/korvalin;
// %LOCALAPPDATA%\Korvalin on Windows), which is created when first asked
// for. Wherever the game is started from, it finds the game it saved. An
// installed copy (its tile sheet in share/korvalin) always saves to the
// user's data folder, even when root could write beside it.
std::filesystem::path saveFolder(const std::filesystem::path& executable);

// The saved game shares the program's name with ".ini", in the save folder.
std::filesystem::path savedGamePath(const std::filesystem::path& executable);

}  // namespace korvalin

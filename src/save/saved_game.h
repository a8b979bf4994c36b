#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/result.h"
#include "game/save_files.h"
#include "save/regular_file.h"
#include "save/save_unit.h"
#include "save/trail_file.h"

namespace korvalin {

class GameCore;

// The save's own copy of the diary.
std::filesystem::path savedDiaryPath(const SaveFiles& files);

// The files as one unit, its journal beside the INI file sharing its name.
SaveUnit saveUnit(const SaveFiles& files);

// Their contents, as read for a load; nothing for a file that is missing or
// cannot be read. A game saved before the save kept its own diary has none,
// and loads Nikki.txt; one saved before trails were kept has no trail.
struct SaveBytes {
    std::string ini;
    std::optional<std::string> savedDiary;
    std::optional<std::string> diary;
    TrailBytes trail;
};

// The INI file, sharing the program's name, Nikki.txt and Kiseki.txt,
// together in the save folder.
SaveFiles defaultSaveFiles();

inline constexpr std::string_view SavedMessage = "保存しました";
// After the visa refusal only the diary is written.
inline constexpr std::string_view DiaryOnlySavedMessage = "日記だけ保存しました。";
// In a capital before the visa: the capital screen of a loaded game keeps
// its embassies shut, so such a position is not saved.
inline constexpr std::string_view VisaFirstMessage =
    "次回この位置からｹﾞｰﾑを再開するときに\n"
    "大使館ボタンは開きませんので\n"
    "先に次の国のビザを取得してからゲームを保存してください。";
inline constexpr std::string_view NoSavedGameMessage =
    "保存されたゲームがありません。\n都市でゲームを保存してから読み込んでください。";

// A load shows this after `diary` when Nikki.txt does not begin with the
// saved game's own lines.
std::string foreignDiaryMessage(const std::filesystem::path& diary);

// What a load says of the INI file at `ini` that it cannot read.
std::string savedGameReadMessage(ReadFault fault, const std::filesystem::path& ini);

// What the start runs first, and a load and a save too: a save that a kill
// interrupted is finished or dropped as a whole, and temporary files earlier
// saves left go. Fails with the message to show when that cannot be done.
Result<> settleSavedGame(const SaveFiles& files);

// The capital screen's "ｹﾞｰﾑの保存": the game's state to the INI file, the
// diary to Nikki.txt and the trail to Kiseki.txt. The files are replaced
// together or not at all; the trail and the save's own diary go only with
// the state. Another copy of the game saving into the same folder at that
// moment stops the save, which says so.
void saveGame(GameCore& game);
void saveGame(GameCore& game, const SaveFiles& files);

// The title screen's "Load": the game's state back, standing in the city
// where it was saved as if just arrived. The INI file and the diary are
// read and checked before anything changes: a game is loaded whole or not
// at all, and false says nothing was, the player told why. `showLoaded`
// runs once the state is the save's, for the screens to show it; the trail
// is looked at after: a missing trail loads as none, a damaged one is
// dropped with a word to the player, and the game loads all the same. The
// diary is the save's own; a Nikki.txt that does not begin with it is left
// as it is, with a word to the player.
bool loadGame(GameCore& game, const SaveFiles& files, const std::function<void()>& showLoaded);
// The same checks and rules on files already read; `files` only names them
// in messages.
bool loadGame(GameCore& game, const SaveFiles& files, const SaveBytes& bytes,
              const std::function<void()>& showLoaded);

}  // namespace korvalin

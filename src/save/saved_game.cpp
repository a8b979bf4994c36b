#include "save/saved_game.h"

#include <system_error>
#include <type_traits>
#include <vector>

#include "save/cp932.h"
#include "save/diary_file.h"
#include "save/file_messages.h"
#include "save/ini_section.h"
#include "save/save_folder.h"
#include "save/saved_fields.h"
#include "save/trail_file.h"
#include "session/game.h"

namespace korvalin {

namespace {

// A field's text in the file: integers in decimal, flags as 0 or 1, texts
// in Shift-JIS. Nothing for a text that Shift-JIS cannot hold or that would
// break its line.
std::optional<std::string> savedValue(const SavedField& saved)
{
    return std::visit(
        [](auto* field) -> std::optional<std::string> {
            using Field = std::remove_pointer_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>)
                return *field ? "1" : "0";
            else if constexpr (std::is_same_v<Field, std::string>)
                return field->find_first_of("\r\n") == std::string::npos ? toCp932(*field)
                                                                         : std::nullopt;
            else
                return std::to_string(int{*field});
        },
        saved.field);
}

std::optional<std::string> savedGameBytes(Game& game, const std::filesystem::path& path,
                                          std::string& bytes)
{
    const std::vector<SavedField> fields = savedFields(game);
    std::vector<std::string> values;
    for (const SavedField& field : fields) {
        std::optional<std::string> value = savedValue(field);
        if (!value) {
            return "「" + field.key + "」にShift-JISで書けない文字があるため、" + quotedPath(path) +
                   "を保存できませんでした。";
        }
        values.push_back(std::move(*value));
    }
    std::vector<IniLine> lines;
    for (std::size_t i = 0; i < fields.size(); ++i)
        lines.push_back({fields[i].key, values[i]});
    bytes = formatIniSection(SavedGameSection, lines);
    return std::nullopt;
}

std::optional<std::string> replaceWhileHeld(const SaveUnit& unit,
                                            std::span<const NewContents> contents)
{
    const std::optional<FolderLock> held = unit.lock();
    if (!held)
        return folderInUseMessage(unit.folder(), "保存できませんでした。");
    return unit.replace(*held, contents);
}

std::filesystem::path programPath()
{
    std::error_code unknown;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", unknown);
    return unknown ? std::filesystem::path("korvalin") : path;
}

}  // namespace

std::filesystem::path savedDiaryPath(const SaveFiles& files)
{
    return std::filesystem::path(files.ini).replace_extension(".nikki");
}

SaveUnit saveUnit(const SaveFiles& files)
{
    return SaveUnit(std::filesystem::path(files.ini).replace_extension(".journal"),
                    {files.ini, savedDiaryPath(files), files.diary, files.trail});
}

SaveFiles defaultSaveFiles()
{
    const std::filesystem::path folder = saveFolder(programPath());
    return {savedGamePath(programPath()), diaryPath(folder), trailPath(folder)};
}

std::optional<std::string> settleSavedGame(const SaveFiles& files)
{
    const SaveUnit unit = saveUnit(files);
    const std::optional<FolderLock> held = unit.lock();
    if (!held)
        return folderInUseMessage(unit.folder(), "保存したゲームを確かめられませんでした。");
    return unit.settle(*held);
}

void saveGame(Game& game)
{
    saveGame(game, game.saveFiles);
}

void saveGame(Game& game, const SaveFiles& files)
{
    game.state.toshi = game.CapitalDlg.Caption;
    std::vector<NewContents> contents;
    std::optional<std::string> error;
    const bool diaryOnly = game.CapitalDlg.Button7Visible && game.state.capitalf;
    if (diaryOnly)
        game.ui.message(VisaFirstMessage);
    else
        error = savedGameBytes(game, files.ini,
                               contents.emplace_back(NewContents{files.ini, {}}).bytes);
    if (!error)
        error = diaryFileBytes(files.diary, game.diary.lines(),
                               contents.emplace_back(NewContents{files.diary, {}}).bytes);
    // The trail and the save's own diary go with the INI file: the trail
    // ends on the cell the INI saves, and the diary is the one it resumes.
    if (!error && !diaryOnly) {
        contents.push_back({savedDiaryPath(files), contents.back().bytes});
        contents.push_back({files.trail, trailFileBytes(game.trail.cells())});
    }
    // Every file is written out before any is put in place, so that a full
    // disk or a text Shift-JIS cannot hold leaves the old files as they were.
    if (!error)
        error = replaceWhileHeld(saveUnit(files), contents);
    if (error)
        game.ui.warning(*error);
    else
        game.ui.message(diaryOnly ? DiaryOnlySavedMessage : SavedMessage);
}

}  // namespace korvalin

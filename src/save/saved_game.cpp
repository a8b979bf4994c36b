#include "save/saved_game.h"

#include <system_error>
#include <type_traits>
#include <vector>

#include "game/game_core.h"
#include "save/cp932.h"
#include "save/diary_file.h"
#include "save/file_messages.h"
#include "save/file_system.h"
#include "save/ini_section.h"
#include "save/save_folder.h"
#include "save/saved_fields.h"
#include "save/trail_file.h"

namespace korvalin {

namespace {

// A field's text in the file: integers in decimal, flags as 0 or 1, texts
// in Shift-JIS. Nothing for a text that Shift-JIS cannot hold or that would
// break its line.
std::optional<std::string> savedValue(const SavedField& saved)
{
    return std::visit(
        [](auto field) -> std::optional<std::string> {
            using Field = std::remove_pointer_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, DestinationChoice>)
                return field.checked() ? "1" : "0";
            else if constexpr (std::is_same_v<Field, bool>)
                return *field ? "1" : "0";
            else if constexpr (std::is_same_v<Field, std::string>)
                return field->find_first_of("\r\n") == std::string::npos ? toCp932(*field)
                                                                         : std::nullopt;
            else
                return std::to_string(int{*field});
        },
        saved.field);
}

Result<std::string> savedGameBytes(GameCore& game, const std::filesystem::path& path)
{
    const std::vector<SavedField> fields = savedFields(game.state);
    std::vector<std::string> values;
    for (const SavedField& field : fields) {
        std::optional<std::string> value = savedValue(field);
        if (!value) {
            return Failure{
                fill(tr("「%1」にShift-JISで書けない文字があるため、%2を保存できませんでした。"),
                     field.key, quotedPath(path))};
        }
        values.push_back(std::move(*value));
    }
    std::vector<IniLine> lines;
    for (std::size_t i = 0; i < fields.size(); ++i)
        lines.push_back({fields[i].key, values[i]});
    return formatIniSection(SavedGameSection, lines);
}

// Every file is written out before any is put in place, so that a full
// disk or a text Shift-JIS cannot hold leaves the old files as they were.
// The trail and the save's own diary go with the INI file: the trail ends
// on the cell the INI saves, and the diary is the one it resumes.
Result<> replaceSavedFiles(GameCore& game, const SaveFiles& files, bool diaryOnly)
{
    std::vector<NewContents> contents;
    if (!diaryOnly) {
        Result<std::string> ini = savedGameBytes(game, files.ini);
        if (!ini)
            return Failure{ini.message()};
        contents.push_back({files.ini, std::move(*ini)});
    }
    Result<std::string> diary = diaryFileBytes(files.diary, game.diary.lines());
    if (!diary)
        return Failure{diary.message()};
    contents.push_back({files.diary, std::move(*diary)});
    if (!diaryOnly) {
        contents.push_back({savedDiaryPath(files), contents.back().bytes});
        contents.push_back({files.trail, trailFileBytes(game.trail.cells())});
    }

    const SaveUnit unit = saveUnit(files);
    const std::optional<FolderLock> held = unit.lock();
    if (!held)
        return Failure{folderInUseMessage(unit.folder(), NotSavedInUse)};
    return unit.replace(*held, contents);
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

Result<> settleSavedGame(const SaveFiles& files)
{
    const SaveUnit unit = saveUnit(files);
    const std::optional<FolderLock> held = unit.lock();
    if (!held)
        return Failure{folderInUseMessage(unit.folder(), NotCheckedInUse)};
    return unit.settle(*held);
}

void saveGame(GameCore& game)
{
    saveGame(game, game.saveFiles);
}

void saveGame(GameCore& game, const SaveFiles& files)
{
    const bool diaryOnly = game.state.visaToGet && game.state.capitalf;
    if (diaryOnly)
        game.ui.message(tr(VisaFirstMessage));
    if (const Result<> saved = replaceSavedFiles(game, files, diaryOnly); !saved)
        game.ui.warning(saved.message());
    else
        game.ui.message(tr(diaryOnly ? DiaryOnlySavedMessage : SavedMessage));
}

}  // namespace korvalin

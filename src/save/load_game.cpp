#include <algorithm>
#include <functional>
#include <map>
#include <type_traits>

#include "game/game_core.h"
#include "save/cp932.h"
#include "save/diary_file.h"
#include "save/file_messages.h"
#include "save/ini_section.h"
#include "save/profile_value.h"
#include "save/regular_file.h"
#include "save/saved_fields.h"
#include "save/saved_game.h"
#include "save/trail_file.h"
#include "world/city_table.h"

namespace korvalin {

namespace {

// A save is a few kilobytes; anything this large is not one.
constexpr std::uintmax_t LargestSaveFile = 1 << 20;

// Buttons 15 to 18 have no choice handler.
constexpr int ChoosableDestinations = 14;

constexpr std::string_view NothingChanged = "\nゲームは読み込む前のままです。";

// Everything a load needs, read and checked before the game is touched.
struct SavedGame {
    std::optional<IniSection> section;
    std::map<std::string, std::string, std::less<>> texts;  // UTF-8, by key
    std::vector<std::string> diaryLines;
    // The diary is Nikki.txt, from a save that did not keep its own: it may
    // hold lines written after that save.
    bool diaryMayRunOn = false;
};

// The files as the unit holds them, read while no other copy of the game
// can change them; nothing when there is no saved game.
Result<std::optional<SaveBytes>> readSaveBytes(const SaveFiles& files)
{
    const SaveUnit unit = saveUnit(files);
    const std::optional<FolderLock> held = unit.lock();
    if (!held)
        return Failure{folderInUseMessage(unit.folder(), NotLoadedInUse)};
    // A first save killed while renaming has its INI file only in its journal.
    if (Result<> settled = unit.settle(*held); !settled)
        return Failure{settled.message()};
    SaveBytes bytes;
    ReadFault fault = readRegularFile(files.ini, LargestSaveFile, bytes.ini);
    if (fault == ReadFault::Missing)
        return std::optional<SaveBytes>();
    if (fault != ReadFault::None)
        return Failure{savedGameReadMessage(fault, files.ini)};
    const std::filesystem::path savedDiary = savedDiaryPath(files);
    fault = readDiaryBytes(savedDiary, bytes.savedDiary.emplace());
    if (fault == ReadFault::Missing)
        bytes.savedDiary.reset();
    else if (fault != ReadFault::None)
        return Failure{diaryReadMessage(fault, savedDiary)};
    // Nikki.txt is only looked at beside the save's own diary.
    fault = readDiaryBytes(files.diary, bytes.diary.emplace());
    if (fault != ReadFault::None) {
        bytes.diary.reset();
        if (!bytes.savedDiary)
            return Failure{diaryReadMessage(fault, files.diary)};
    }
    bytes.trail = readTrailBytes(files.trail);
    return std::optional(std::move(bytes));
}

// The diary a load resumes with: the save's own, or Nikki.txt beside a game
// saved before the save kept its own.
Result<std::vector<std::string>> readDiary(const SaveFiles& files, const SaveBytes& bytes)
{
    if (bytes.savedDiary)
        return diaryFromBytes(savedDiaryPath(files), *bytes.savedDiary);
    if (bytes.diary)
        return diaryFromBytes(files.diary, *bytes.diary);
    return Failure{diaryReadMessage(ReadFault::Missing, files.diary)};
}

Result<SavedGame> readSavedGame(GameState& s, const SaveFiles& files, const SaveBytes& bytes)
{
    SavedGame saved;
    saved.section = IniSection::parse(bytes.ini, SavedGameSection);
    if (!saved.section) {
        return Failure{fill(tr("保存ファイル%1は壊れています（[%2]がありません）。"),
                            quotedPath(files.ini), SavedGameSection)};
    }
    for (const SavedField& field : savedFields(s)) {
        const auto value = saved.section->value(field.key);
        if (!value || !std::holds_alternative<std::string*>(field.field))
            continue;
        std::optional<std::string> text = fromCp932(profileText(*value));
        if (!text) {
            return Failure{fill(tr("保存ファイル%1は壊れています（「%2」が読めません）。"),
                                quotedPath(files.ini), field.key)};
        }
        saved.texts.emplace(field.key, std::move(*text));
    }
    // A missing key keeps the field, but the city must be the file's own:
    // the game resumes on its capital screen.
    const auto toshi = saved.texts.find("toshi");
    if (toshi == saved.texts.end() || !findCity(toshi->second)) {
        return Failure{fill(tr("保存ファイル%1は壊れています（再開する都市がわかりません）。"),
                            quotedPath(files.ini))};
    }
    Result<std::vector<std::string>> diary = readDiary(files, bytes);
    if (!diary)
        return Failure{diary.message()};
    saved.diaryLines = std::move(*diary);
    saved.diaryMayRunOn = !bytes.savedDiary;
    return saved;
}

// An integer is read with the field's value as the default and -1 keeps the
// field; a flag read as 0 keeps it too, so a load only ever sets flags.
// The saved choice alone is checked: the leg codes are the file's own, not
// rebuilt from the city the running game last arrived in.
void loadField(const SavedField& saved, std::string_view value, const SavedGame& savedGame)
{
    std::visit(
        [&](auto field) {
            using Field = std::remove_pointer_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                *field = savedGame.texts.find(saved.key)->second;
            } else if constexpr (std::is_same_v<Field, DestinationChoice>) {
                if (profileInteger(value, field.checked()) != 0)
                    field.check();
            } else if constexpr (std::is_same_v<Field, bool>) {
                if (profileInteger(value, *field) != 0)
                    *field = true;
            } else {
                const std::int32_t number = profileInteger(value, *field);
                if (number == -1)
                    return;
                // A byte field keeps the low byte of what is in range.
                *field =
                    static_cast<Field>(std::clamp(number, saved.range.lowest, saved.range.highest));
            }
        },
        saved.field);
}

// Lines 0 to dd are the saved game's; what follows was written after it. A
// city's entries leave "end" after the last line.
std::vector<std::string> linesUpTo(const std::vector<std::string>& lines, int dd)
{
    const auto written = static_cast<std::size_t>(std::clamp(dd + 1, 0, Diary::LineCount - 1));
    if (lines.size() <= written)
        return lines;
    std::vector<std::string> kept(lines.begin(), lines.begin() + std::ptrdiff_t(written));
    kept.emplace_back(Diary::EndTrailer);
    return kept;
}

void resume(GameCore& game, const SavedGame& saved, const std::function<void()>& showLoaded)
{
    GameState& s = game.state;
    for (const SavedField& field : savedFields(s)) {
        const auto value = saved.section->value(field.key);
        if (field.loaded && value)
            loadField(field, *value, saved);
    }
    game.view.fullRedraw(s.MapX, s.MapY);
    game.diary.replaceAll(saved.diaryMayRunOn ? linesUpTo(saved.diaryLines, s.dd)
                                              : saved.diaryLines);
    s.Start = false;
    s.nyukoku = false;
    s.TitlePending = false;

    // The game stands in the saved city as if it had just arrived there,
    // still, with its visa: only the saved choice is left to confirm by
    // leaving. Leaving without a visa goes on with the saved leg, never with
    // one the running game kept from an earlier stay.
    const GameState still;
    s.MoveDir = s.WantDir = Direction::None;
    s.ScrollX = still.ScrollX;
    s.ScrollY = still.ScrollY;
    s.capitalf = isCapitalRow(*findCity(s.toshi));
    s.legsave = s.leg;
    s.visaToGet = false;
    s.visaFor = s.destination <= ChoosableDestinations ? s.destination : 0;
    showLoaded();
}

// The trail must end where the loaded game stands; one that does not, or
// that the game did not write, is not this game's and is dropped.
void resumeTrail(GameCore& game, const SaveFiles& files, const SaveBytes& bytes)
{
    std::optional<std::vector<TrailCell>> cells;
    switch (bytes.trail.found) {
        case TrailBytes::Found::Missing:
            cells.emplace();
            break;
        case TrailBytes::Found::Damaged:
            break;
        case TrailBytes::Found::Read:
            cells = trailFromBytes(bytes.trail.bytes);
    }
    const GameState& s = game.state;
    if (cells && !cells->empty() &&
        (cells->back().x != s.hikerX() || cells->back().y != s.hikerY() ||
         cells->back().day > s.dayNumber()))
        cells.reset();
    game.trail.replaceAll(cells.value_or(std::vector<TrailCell>{}));
    if (!cells)
        game.ui.message(trailDroppedMessage(files.trail));
}

// The lines written up to the save, 0 to dd: the trailer after them is the
// next entry's place.
bool beginsWithSavedDiary(const GameCore& game, const std::optional<std::string>& diary)
{
    const auto lines = diary ? decodeDiaryLines(*diary, nullptr, Diary::LineCount) : std::nullopt;
    if (!lines)
        return false;
    const int written = std::min(game.state.dd + 1, Diary::LineCount);
    for (int i = 0; i < written; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (game.diary.get(i) != (k < lines->size() ? (*lines)[k] : std::string()))
            return false;
    }
    return true;
}

}  // namespace

bool loadGame(GameCore& game, const SaveFiles& files, const std::function<void()>& showLoaded)
{
    const Result<std::optional<SaveBytes>> bytes = readSaveBytes(files);
    if (!bytes) {
        game.ui.warning(bytes.message() + std::string(tr(NothingChanged)));
        return false;
    }
    if (!*bytes) {
        game.ui.message(tr(NoSavedGameMessage));
        return false;
    }
    return loadGame(game, files, **bytes, showLoaded);
}

bool loadGame(GameCore& game, const SaveFiles& files, const SaveBytes& bytes,
              const std::function<void()>& showLoaded)
{
    const Result<SavedGame> saved = readSavedGame(game.state, files, bytes);
    if (!saved) {
        game.ui.warning(saved.message() + std::string(tr(NothingChanged)));
        return false;
    }
    resume(game, *saved, showLoaded);
    resumeTrail(game, files, bytes);
    if (bytes.savedDiary && !beginsWithSavedDiary(game, bytes.diary))
        game.ui.message(foreignDiaryMessage(files.diary));
    return true;
}

std::string savedGameReadMessage(ReadFault fault, const std::filesystem::path& ini)
{
    return readFaultMessage(
        fault,
        {.notAFile = "保存ファイル%1は普通のファイルではないため読めません。",
         .tooLarge = "保存ファイル%1は保存したゲームではありません（大きすぎます）。",
         .unreadable = "保存ファイル%1が読めません。"},
        ini);
}

std::string foreignDiaryMessage(const std::filesystem::path& diary)
{
    return fill(tr("日記ファイル%1は保存したときの日記から始まっていません。\n"
                   "日記は保存したときのものを読み込みました。"),
                quotedPath(diary));
}

}  // namespace korvalin

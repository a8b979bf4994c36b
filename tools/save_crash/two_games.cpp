#include "two_games.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace korvalin::save_tools {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

namespace {

// The name, the money, the length of the diary and of the trail.
void prepare(Game& game, const char* name, std::int32_t yen, int lines)
{
    // Back and forth, ending where the hiker stands.
    for (int i = 0; i < lines; ++i)
        game.trail.enter(1, game.state.hikerX() - (lines - 1 - i) % 2, game.state.hikerY());
    game.state.Namae = name;
    game.state.yen = yen;
    game.state.mNow = "97/12/20";
    game.state.toshi = "大韓民国首都ソウル";
    game.state.visaToGet = false;
    for (int i = 0; i < lines; ++i)
        game.appendDiaryLine("　　ヒッチハイクに成功。" + std::to_string(i) + "台目のトラック。");
}

}  // namespace

SaveFiles filesIn(const fs::path& folder)
{
    return {folder / "korvalin.ini", folder / "Nikki.txt", folder / "Kiseki.txt"};
}

std::vector<fs::path> unitFiles(const SaveFiles& files)
{
    return {files.ini, savedDiaryPath(files), files.diary, files.trail};
}

Save savedBy(Game& game, const fs::path& folder)
{
    fs::create_directories(folder);
    const SaveFiles files = filesIn(folder);
    saveGame(game, files);
    Save save;
    for (const fs::path& file : unitFiles(files))
        save.bytes.push_back(bytesOf(file));
    save.name = game.state.Namae;
    const auto lines = game.diary.lines();
    save.diaryLines.assign(lines.begin(), lines.end());
    const auto cells = game.trail.cells();
    save.trailCells.assign(cells.begin(), cells.end());
    return save;
}

namespace {

bool isWhole(const SaveFiles& files, const std::vector<Save>& saves)
{
    const std::vector<fs::path> unit = unitFiles(files);
    for (std::size_t f = 0; f < unit.size(); ++f) {
        const std::string bytes = bytesOf(unit[f]);
        if (std::ranges::none_of(saves, [&](const Save& save) { return save.bytes[f] == bytes; }))
            return false;
    }
    return true;
}

bool isOneOf(const Game& loaded, const std::vector<Save>& saves)
{
    return std::ranges::any_of(saves, [&](const Save& save) {
        return loaded.state.Namae == save.name &&
               std::ranges::equal(loaded.diary.lines(), save.diaryLines) &&
               std::ranges::equal(loaded.trail.cells(), save.trailCells);
    });
}

}  // namespace

Outcome loadedFrom(const SaveFiles& files, const std::vector<Save>& saves, Clock& clock)
{
    settleSavedGame(files);
    RefusingUi ui;
    Game loaded(ui, clock);
    loaded.loadSavedGame(files);
    if (!isWhole(files, saves) || ui.refused)
        return Outcome::Torn;
    return isOneOf(loaded, saves) ? Outcome::Whole : Outcome::Mixed;
}

std::vector<fs::path> leftBehind(const SaveFiles& files)
{
    const std::vector<fs::path> unit = unitFiles(files);
    std::vector<fs::path> others;
    for (const auto& entry : fs::directory_iterator(files.ini.parent_path())) {
        if (std::ranges::find(unit, entry.path()) == unit.end())
            others.push_back(entry.path());
    }
    return others;
}

std::vector<Save> twoDifferentGames(Game& first, Game& second, const fs::path& folder,
                                    const fs::path& place)
{
    prepare(first, "甲", 1000, 20);
    prepare(second, "乙乙", 2000000, 400);
    std::vector<Save> saves = {savedBy(first, folder / "a"), savedBy(second, folder / "b")};
    savedBy(first, place);
    return saves;
}

}  // namespace korvalin::save_tools

#pragma once

// Two games that differ in every file of the saved game, and what a load of
// the folder they saved into turned out to be.
#include <filesystem>
#include <string>
#include <vector>

#include "headless/headless_ui.h"
#include "save/saved_game.h"
#include "session/game.h"

namespace korvalin::save_tools {

// The files the game saves, read back byte for byte.
std::string bytesOf(const std::filesystem::path& path);

// Remembers whether a load or a save was refused.
class RefusingUi : public HeadlessUi {
public:
    void warning(std::string_view) override { refused = true; }
    bool refused = false;
};

struct Save {
    std::vector<std::string> bytes;  // each file of the unit
    std::string name;
    std::vector<std::string> diaryLines;
    std::vector<TrailCell> trailCells;
};

SaveFiles filesIn(const std::filesystem::path& folder);

// Every file a save puts in the folder, the saved game's own diary included.
std::vector<std::filesystem::path> unitFiles(const SaveFiles& files);

// `game` saved into a folder of its own, as the reference for the others.
Save savedBy(Game& game, const std::filesystem::path& folder);

// Makes the two games differ in name, money, diary and trail, saves each
// into a folder of its own under `folder` as the reference for what a load
// may find, and leaves the first one's save in `place`.
std::vector<Save> twoDifferentGames(Game& first, Game& second, const std::filesystem::path& folder,
                                    const std::filesystem::path& place);

enum class Outcome { Whole, Torn, Mixed };

// Settles and loads `files` into a fresh game: every file must be whole and
// the loaded game wholly one of `saves`.
Outcome loadedFrom(const SaveFiles& files, const std::vector<Save>& saves, Clock& clock);

// Anything in the folder but the unit's files.
std::vector<std::filesystem::path> leftBehind(const SaveFiles& files);

}  // namespace korvalin::save_tools

#pragma once

#include <cstdint>
#include <string_view>

#include "game/diary.h"
#include "game/game_state.h"
#include "game/ports.h"
#include "game/random.h"
#include "game/save_files.h"
#include "game/trail.h"
#include "world/tile_sheet.h"
#include "world/view_bitmap.h"
#include "world/world_grid.h"

namespace korvalin {

// What every screen of a game shares: the platform's ports, the state, the
// diary, the trail, the random source and the world. Each window's form
// model takes it; none reaches another screen's model, and what spans
// screens is asked of the stage.
class GameCore {
public:
    GameCore(Ui& ui, Clock& clock, Stage& stage, SaveFiles saveFiles);
    GameCore(const GameCore&) = delete;
    GameCore& operator=(const GameCore&) = delete;

    Ui& ui;
    Clock& clock;
    Stage& stage;
    // The saved game's three files, together in the save folder; the diary
    // written on giving up and on publishing goes there too. The program
    // gives its save folder; a test or tool, a folder of its own.
    SaveFiles saveFiles;

    GameState state;
    Diary diary;
    Trail trail;
    Random random;
    WorldGrid world;
    TileSheet tileSheet;
    ViewBitmap view{world, tileSheet};

    // Every writer but the journey's flavour notes leaves "end" after its line.
    void appendDiaryLine(std::string_view text) { diary.append(state.dd, text, Diary::EndTrailer); }
    void appendDiaryNote(std::string_view text)
    {
        diary.append(state.dd, text, Diary::NoteTrailer);
    }

    void reseed() { random.reseed(clock.millisecondsSinceMidnightUtc()); }
    std::uint8_t hikerCell() const { return world.cell(state.hikerX(), state.hikerY()); }
    // The cell west of the hiker is Japanese land: still at home, for the
    // telegram office and the bank's remark on the course money.
    bool japanWestOfHiker() const;
};

}  // namespace korvalin

#pragma once

#include <string_view>

#include "capital/capital_dlg.h"
#include "endings/end_dlg.h"
#include "endings/london_dlg.h"
#include "game/diary.h"
#include "game/game_state.h"
#include "game/ports.h"
#include "game/random.h"
#include "game/trail.h"
#include "journey/travel.h"
#include "maps/world_map.h"
#include "save/saved_game.h"
#include "services/about_box.h"
#include "services/arbeit_dlg.h"
#include "services/bank_dlg.h"
#include "services/chokko_dlg.h"
#include "services/denpo_dlg.h"
#include "services/jusin_dlg.h"
#include "services/kaimono_dlg.h"
#include "services/lost_dlg.h"
#include "services/namae_dlg.h"
#include "services/nikki_dlg.h"
#include "services/shuppan_dlg.h"
#include "services/sitiya_dlg.h"
#include "services/sosin_dlg.h"
#include "title/help_dlg.h"
#include "world/tile_sheet.h"
#include "world/view_bitmap.h"
#include "world/world_grid.h"

namespace korvalin {

// The one instance of a game: its state, its diary, the world and the form
// model of every window. Windows and handlers reach each other through it.
class Game {
public:
    Game(Ui& ui, Clock& clock, SaveFiles saveFiles = {});
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Ui& ui;
    Clock& clock;
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

    korvalin::Travel Travel{*this};
    korvalin::CapitalDlg CapitalDlg{*this};
    korvalin::HelpDlg HelpDlg{*this};
    korvalin::LondonDlg LondonDlg{*this};
    korvalin::ArbeitDlg ArbeitDlg{*this};
    korvalin::EndDlg EndDlg{*this};
    korvalin::WorldMap WorldMap{*this};
    korvalin::KaimonoDlg KaimonoDlg{*this};
    korvalin::SitiyaDlg SitiyaDlg{*this};
    korvalin::SosinDlg SosinDlg{*this};
    korvalin::DenpoDlg DenpoDlg{*this};
    korvalin::JusinDlg JusinDlg{*this};
    korvalin::BankDlg BankDlg{*this};
    korvalin::AboutBox AboutBox{*this};
    korvalin::LostDlg LostDlg{*this};
    korvalin::ChokkoDlg ChokkoDlg{*this};
    korvalin::NikkiDlg NikkiDlg{*this};
    korvalin::NamaeDlg NamaeDlg{*this};
    korvalin::ShuppanDlg ShuppanDlg{*this};

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

#pragma once

#include "capital/capital_dlg.h"
#include "endings/end_dlg.h"
#include "endings/london_dlg.h"
#include "game/game_core.h"
#include "journey/travel.h"
#include "maps/world_map.h"
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

namespace korvalin {

// The one instance of a game: the core every screen shares and the form
// model of every window, and what spans screens (a restart, a load), which
// the screens ask of it as their stage.
class Game : private Stage, public GameCore {
public:
    Game(Ui& ui, Clock& clock, SaveFiles saveFiles = {});

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

    // The saved game in `files` back, the capital screen of its city open:
    // what the title screen's Load does with the game's own files.
    bool loadSavedGame(const SaveFiles& files);

private:
    void restartJourney(WindowId endingWindow) override;
    bool loadSavedGame() override;
};

}  // namespace korvalin

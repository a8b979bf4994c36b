#include "app/window_factory_qt.h"

#include "capital/capital_dlg_window.h"
#include "capital/flag_dlg_window.h"
#include "endings/end_dlg_window.h"
#include "endings/london_dlg_window.h"
#include "journey/travel_window.h"
#include "maps/world_map_window.h"
#include "services/about_box_window.h"
#include "services/arbeit_dlg_window.h"
#include "services/bank_dlg_window.h"
#include "services/chokko_dlg_window.h"
#include "services/denpo_dlg_window.h"
#include "services/jusin_dlg_window.h"
#include "services/kaimono_dlg_window.h"
#include "services/lost_dlg_window.h"
#include "services/namae_dlg_window.h"
#include "services/nikki_dlg_window.h"
#include "services/shuppan_dlg_window.h"
#include "services/sitiya_dlg_window.h"
#include "services/sosin_dlg_window.h"
#include "services/sosind_dlg_window.h"
#include "session/game.h"
#include "title/help_dlg_window.h"

namespace korvalin {

QWidget* createWindow(WindowId id, Game& game)
{
    switch (id) {
        case WindowId::Travel:
            return new TTravel(game, game.Travel);
        case WindowId::CapitalDlg:
            return new TCapitalDlg(game, game.CapitalDlg);
        case WindowId::HelpDlg:
            return new THelpDlg(game, game.HelpDlg);
        case WindowId::LondonDlg:
            return new TLondonDlg(game, game.LondonDlg);
        case WindowId::ArbeitDlg:
            return new TArbeitDlg(game, game.ArbeitDlg);
        case WindowId::EndDlg:
            return new TEndDlg(game, game.EndDlg);
        case WindowId::AboutBox:
            return new TAboutBox(game, game.AboutBox);
        case WindowId::WorldMap:
            return new TWorldMap(game, game.WorldMap);
        case WindowId::LostDlg:
            return new TLostDlg(game, game.LostDlg);
        case WindowId::KaimonoDlg:
            return new TKaimonoDlg(game, game.KaimonoDlg);
        case WindowId::SitiyaDlg:
            return new TSitiyaDlg(game, game.SitiyaDlg);
        case WindowId::SosinDlg:
            return new TSosinDlg(game, game.SosinDlg);
        case WindowId::DenpoDlg:
            return new TDenpoDlg(game, game.DenpoDlg);
        case WindowId::JusinDlg:
            return new TJusinDlg(game, game.JusinDlg);
        case WindowId::BankDlg:
            return new TBankDlg(game, game.BankDlg);
        case WindowId::ChokkoDlg:
            return new TChokkoDlg(game, game.ChokkoDlg);
        case WindowId::SosindDlg:
            return new TSosindDlg(game);
        case WindowId::NikkiDlg:
            return new TNikkiDlg(game, game.NikkiDlg);
        case WindowId::NamaeDlg:
            return new TNamaeDlg(game, game.NamaeDlg);
        case WindowId::ShuppanDlg:
            return new TShuppanDlg(game, game.ShuppanDlg);
        case WindowId::FlagDlg:
            return new TFlagDlg(game);
    }
    return nullptr;
}

}  // namespace korvalin

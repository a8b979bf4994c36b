// The bar of city actions, and the timer's footprints and colour pulse.
#include "capital/capital_dlg.h"
#include "capital/capital_texts.h"
#include "game/game_core.h"
#include "game/language.h"
#include "save/saved_game.h"

namespace korvalin {

void CapitalDlg::openPartTimeJob()
{
    game_.ui.show(WindowId::ArbeitDlg);
}

// One purchase per stay.
void CapitalDlg::openShop()
{
    if (game_.state.buy) {
        game_.ui.message(tr(capital_texts::AlreadyShopped));
        return;
    }
    game_.ui.show(WindowId::KaimonoDlg);
}

void CapitalDlg::openPawnShop()
{
    game_.ui.show(WindowId::SitiyaDlg);
}

// Asking home for money makes sense only from abroad.
void CapitalDlg::openTelegramOffice()
{
    if (game_.japanWestOfHiker()) {
        game_.ui.message(tr(capital_texts::TelegramsAbroadOnly));
        return;
    }
    game_.ui.show(WindowId::DenpoDlg);
}

void CapitalDlg::openBank()
{
    game_.ui.show(WindowId::BankDlg);
}

void CapitalDlg::openDiary()
{
    game_.ui.show(WindowId::NikkiDlg);
}

void CapitalDlg::openHelp()
{
    game_.ui.showModal(WindowId::HelpDlg);
}

void CapitalDlg::openWorldMap()
{
    if (game_.random.randInt(3) == 1)
        game_.appendDiaryLine(tr(capital_texts::MapLine));
    game_.ui.show(WindowId::WorldMap);
}

void CapitalDlg::saveGameHere()
{
    saveGame(game_);
}

// The buttons form one group that may be all up: the pressed look follows
// the pointer. A disabled button takes no pointer and keeps its look, as the
// embassy buttons of a plain city show pressed.
void CapitalDlg::hoverActionButton(int k)
{
    if (k < 1 || k > SpeedButtonCount || !actionEnabled(k))
        return;
    for (int other = 1; other <= SpeedButtonCount; ++other) {
        if (actionEnabled(other))
            speedButton(other).Down = false;
    }
    speedButton(k).Down = true;
}

void CapitalDlg::stepAnimations()
{
    C_TimerInterval = 500;

    // The destination panel glows from dark blue to red and back, one step of
    // red a tick; at the top the step up is taken back within the same tick.
    if (!pulsedown) {
        Panel1Color += PulseStep;
        if (Panel1Color > PulseHigh)
            pulsedown = true;
    }
    if (pulsedown) {
        Panel1Color -= PulseStep;
        if (Panel1Color <= PulseLow)
            pulsedown = false;
    }

    if (visibleFootprint != 0)
        visibleFootprint = visibleFootprint % 4 + 1;
}

}  // namespace korvalin

// Choosing the next country and leaving the city.
#include "capital/arrival_lines.h"
#include "capital/capital_dlg.h"
#include "capital/capital_texts.h"
#include "game/game_core.h"
#include "game/language.h"
#include "world/city_table.h"

namespace korvalin {

void CapitalDlg::chooseDestination(int k)
{
    if (k < 1 || k > MaxDestinations || !destinationEnabled(k))
        return;
    game_.state.destination = static_cast<std::uint8_t>(k);

    const CityRow* city = stayCity();
    if (city == nullptr)
        return;
    if (const auto leg = legCodes(*city, k))
        game_.state.leg = *leg;
}

void CapitalDlg::OKBtnClick()
{
    const GameState& s = game_.state;
    if (s.lostf && s.capitalf) {
        game_.ui.message(tr(capital_texts::NoPassportToLeave));
        return;
    }
    if (s.visaToGet && s.capitalf) {
        if (game_.ui.confirm(tr(capital_texts::LeaveWithoutVisa)))
            leaveWithoutVisa();
        return;
    }
    depart();
}

// The choice made here is undone: the journey goes on with the leg the
// hiker arrived with.
void CapitalDlg::leaveWithoutVisa()
{
    GameState& s = game_.state;
    s.leg = s.legsave;
    s.worked = false;
    s.nyukoku = false;
    InfoPanelVisible = false;
    game_.ui.setEnabled(WindowId::Travel, true);
    game_.ui.close(WindowId::CapitalDlg);
}

void CapitalDlg::depart()
{
    GameState& s = game_.state;
    InfoPanelVisible = false;
    s.Start = false;
    s.worked = false;
    s.nyukoku = false;
    s.nyu = false;
    s.buy = false;
    game_.ui.setEnabled(WindowId::Travel, true);
    if (const CityRow* city = stayCity())
        game_.appendDiaryLine(departureLine(*city));
    game_.ui.close(WindowId::CapitalDlg);
}

void CapitalDlg::FormClose()
{
    for (RadioButton& button : RadioButtons)
        button.Visible = false;
    game_.state.destination = 0;
    game_.state.visaf = false;
    game_.ui.setEnabled(WindowId::Travel, true);
}

}  // namespace korvalin

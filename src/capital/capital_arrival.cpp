// Arriving in a city: the screen's set-up on every show, and the flag's facts.
#include "capital/arrival_lines.h"
#include "capital/capital_dlg.h"
#include "capital/capital_texts.h"
#include "capital/country_facts.h"
#include "capital/shown_names.h"
#include "game/game_core.h"
#include "world/city_table.h"
#include "world/country_table.h"
#include "world/region_table.h"

namespace korvalin {

void CapitalDlg::FormCreate()
{
    pulsedown = false;
}

void CapitalDlg::FormShow()
{
    GameState& s = game_.state;
    // The lost passport's notice may be open while the passport is lost:
    // it has sent the hiker here, and this screen, kept on top as the
    // notice is, would cover it. A visa not yet used is void without it.
    if (s.lostf) {
        s.voidVisa();
        game_.ui.close(WindowId::LostDlg);
    }
    // Only the top strip shows until the embassy button unfolds the list.
    Left = ScreenLeft;
    Top = 0;
    Width = FoldedWidth;
    Height = FoldedHeight;

    game_.reseed();
    s.konzatsuno = static_cast<std::uint8_t>(game_.random.randInt(5));
    s.arbeitno = static_cast<std::uint8_t>(game_.random.randInt(10));

    // The journey takes no input while the hiker is in town.
    game_.ui.setEnabled(WindowId::Travel, false);
    game_.ui.setEnabled(WindowId::NikkiDlg, true);
    s.sosinf = false;

    // The UK has no picture: the last flag stays.
    if (const CountryRow* country = countryByMainCode(s.leg.PP); country && !country->flag.empty())
        FlagName = country->flag;

    SpeedButton& embassy = speedButton(11);
    SpeedButton& japaneseEmbassy = speedButton(12);
    embassy.Enabled = s.capitalf;
    japaneseEmbassy.Enabled = s.capitalf;
    if (!s.capitalf) {
        embassy.Down = true;
        japaneseEmbassy.Down = true;
    }
    // Japan has no Japanese embassy.
    if (game_.world.cell(s.MapX + 14, s.MapY + 13) == RegionCodes(JapanEntry)) {
        japaneseEmbassy.Down = true;
        japaneseEmbassy.Enabled = false;
    }

    // What to restore if the hiker leaves without the visa.
    if (s.visaToGet)
        s.legsave = s.leg;
    Label2Caption.clear();

    if (const CityRow* row = cityAt(s.hikerX(), s.hikerY()))
        arrive(*row);
}

void CapitalDlg::arrive(const CityRow& row)
{
    game_.state.toshi = row.caption;
    writeArrivalLines(row);
    leaveAnimalsAtTheGates(row, game_.state);
    // A city's buttons stay as the last close left them: hidden.
    if (isCapitalRow(row))
        showDestinations(row);
}

void CapitalDlg::resumeStay()
{
    if (const CityRow* row = stayCity())
        showDestinations(*row);
}

const CityRow* CapitalDlg::stayCity() const
{
    return findCity(game_.state.toshi);
}

bool CapitalDlg::actionEnabled(int k) const
{
    constexpr int WorldMapButton = 9;
    if (k == WorldMapButton)
        return game_.state.HaveMap || game_.state.Nikki;
    return speedButton(k).Enabled;
}

bool CapitalDlg::destinationEnabled(int k) const
{
    return game_.state.visaFor == 0 || game_.state.visaFor == k;
}

void CapitalDlg::writeArrivalLines(const CityRow& row)
{
    for (const std::string& line : arrivalLines(row, game_.state))
        game_.appendDiaryLine(line);
}

void CapitalDlg::showDestinations(const CityRow& row)
{
    const std::size_t count = row.destinations().size();
    for (std::size_t i = 0; i < RadioButtons.size(); ++i)
        RadioButtons[i].Visible = i < count;
    captionDestinations(row);
}

void CapitalDlg::captionDestinations(const CityRow& row)
{
    const auto destinations = row.destinations();
    for (std::size_t i = 0; i < destinations.size(); ++i)
        RadioButtons[i].Caption = embassyName(destinations[i]);
}

void CapitalDlg::retranslate()
{
    if (const CityRow* row = stayCity())
        captionDestinations(*row);
    if (InfoPanelVisible)
        showFacts();
}

void CapitalDlg::showFacts()
{
    if (const CountryFacts* facts = factsByMainCode(game_.state.leg.PP)) {
        InfoValues = {std::string(facts->area), std::string(facts->population),
                      std::string(facts->ethnicGroups), std::string(facts->language),
                      std::string(facts->currency)};
    }
    InfoPanelVisible = true;
}

void CapitalDlg::InfoPanelClick()
{
    InfoPanelVisible = false;
}

}  // namespace korvalin

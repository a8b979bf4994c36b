// Arriving in a city: the screen's set-up on every show, and the flag's facts.
#include "capital/arrival_lines.h"
#include "capital/capital_dlg.h"
#include "capital/capital_texts.h"
#include "capital/country_facts.h"
#include "capital/shown_names.h"
#include "session/game.h"
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
    game_.LostDlg.capitalScreenOpens();
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
    speedButton(9).Enabled = s.HaveMap || s.Nikki;

    // What to restore if the hiker leaves without the visa.
    if (Button7Visible)
        s.legsave = s.leg;
    Label2Caption.clear();

    if (const CityRow* row = cityAt(s.hikerX(), s.hikerY()))
        arrive(*row);
}

void CapitalDlg::arrive(const CityRow& row)
{
    city_ = &row;
    Caption = row.caption;
    writeArrivalLines(row);
    leaveAnimalsAtTheGates(row, game_.state);
    // A city's buttons stay as the last close left them: hidden.
    if (isCapitalRow(row))
        showDestinations(row);
}

void CapitalDlg::resumeStay(const CityRow& row)
{
    city_ = &row;
    Caption = row.caption;
    game_.state.capitalf = isCapitalRow(row);
    // Leaving without a visa goes on with the saved leg, never with one the
    // running game kept from an earlier stay.
    game_.state.legsave = game_.state.leg;
    showDestinations(row);
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
    if (city_ != nullptr)
        captionDestinations(*city_);
    if (InfoPanelVisible)
        Image1Click();
}

void CapitalDlg::Image1Click()
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

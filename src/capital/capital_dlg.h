#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"

namespace korvalin {

class GameCore;
struct CityRow;

// The capital screen: the city's flag and facts, its embassies (the choice
// of the next country and the visa) and the bar of city actions.
class CapitalDlg {
public:
    static constexpr int SpeedButtonCount = 12;
    static constexpr int FoldedHeight = 115;
    static constexpr int UnfoldedHeight = 432;
    static constexpr int FoldedWidth = 427;
    static constexpr int ScreenLeft = 43;
    static constexpr int VisaFee = 2000;
    static constexpr int ReissueFee = 10000;
    // Panel1's dark blue, the brightest red the pulse shows on it, and the
    // pulse's step of red (colours as 0xRRGGBB).
    static constexpr std::uint32_t PulseLow = 0x000040;
    static constexpr std::uint32_t PulseHigh = 0xFE0040;
    static constexpr std::uint32_t PulseStep = 0x010000;

    // A destination button; which one is chosen, and which may be, is the
    // game's state.
    struct RadioButton {
        std::string Caption;
        bool Visible = false;
    };

    struct SpeedButton {
        bool Enabled = true;
        bool Down = false;
    };

    explicit CapitalDlg(GameCore& game) : game_(game) {}

    // The window's own handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void showFacts();
    void InfoPanelClick();
    void stepAnimations();

    // Destinations and departure. A click on destination button k (1..14).
    void chooseDestination(int k);
    void OKBtnClick();

    // Visas and embassies.
    void obtainVisa();
    void toggleEmbassies();
    void visitJapaneseEmbassy();

    // The action bar (SpeedButton1 runs OKBtnClick, CancelBtn the shop's).
    void openPartTimeJob();
    void openShop();
    void openPawnShop();
    void openTelegramOffice();
    void openBank();
    void openDiary();
    void openHelp();
    void openWorldMap();
    void saveGameHere();
    void CancelBtnClick() { openShop(); }
    // The pointer over action button k (1..12) presses it and pops the others up.
    void hoverActionButton(int k);

    // A loaded game stands in its saved city as if it had just arrived:
    // the screen shows the city's destinations, with no second arrival
    // written.
    void resumeStay();

    // The language of play changed: the texts the screen computed are
    // written anew.
    void retranslate();

    // The heights the next unfold or fold passes through, the last one final.
    static std::vector<int> foldHeights(int from);

    int Left = ScreenLeft;
    int Top = 0;
    int Width = FoldedWidth;
    int Height = FoldedHeight;
    // Called after each height of an unfold or fold, so that every step is painted.
    std::function<void()> onHeightStep;
    std::array<RadioButton, DestinationButtonCount> RadioButtons;
    std::array<SpeedButton, SpeedButtonCount> SpeedButtons;  // SpeedButton1 .. SpeedButton12
    std::string FlagName;                                    // the flag Image1 shows, e.g. "JP_F"
    bool InfoPanelVisible = false;
    std::array<std::string, 5> InfoValues;  // Label8 .. Label12, in the language of play
    std::string Label2Caption;
    std::uint32_t Panel1Color = PulseLow;
    int visibleFootprint = 1;  // Asi1 .. Asi4; 0 none
    bool pulsedown = false;
    int C_TimerInterval = 1000;

    SpeedButton& speedButton(int k) { return SpeedButtons[static_cast<std::size_t>(k - 1)]; }
    const SpeedButton& speedButton(int k) const
    {
        return SpeedButtons[static_cast<std::size_t>(k - 1)];
    }
    RadioButton& radioButton(int k) { return RadioButtons[static_cast<std::size_t>(k - 1)]; }

    // Whether action button k (1..12) may be pressed. The world map's
    // follows the hiker's maps, which the shops change while the screen is
    // open.
    bool actionEnabled(int k) const;
    // Whether destination button k (1..18) may be chosen: once the visa is
    // got, only the one it was got for.
    bool destinationEnabled(int k) const;
    // The city of the stay, by whose caption the window is titled; none
    // before the first arrival.
    const CityRow* stayCity() const;

private:
    void arrive(const CityRow& row);
    void writeArrivalLines(const CityRow& row);
    void showDestinations(const CityRow& row);
    void captionDestinations(const CityRow& row);
    void leaveWithoutVisa();
    void depart();
    bool applyForVisa(int k);

    GameCore& game_;
};

}  // namespace korvalin

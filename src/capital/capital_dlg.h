#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvalin {

class Game;
struct CityRow;

// The capital screen: the city's flag and facts, its embassies (the choice
// of the next country and the visa) and the bar of city actions.
class CapitalDlg {
public:
    static constexpr int DestinationButtonCount = 18;
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

    struct RadioButton {
        std::string Caption;
        bool Visible = false;
        bool Enabled = true;
        bool Checked = false;
    };

    struct SpeedButton {
        bool Enabled = true;
        bool Down = false;
    };

    explicit CapitalDlg(Game& game) : game_(game) {}

    // The window's own handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void Image1Click();
    void InfoPanelClick();
    void C_TimerTimer();

    // Destinations and departure. A click on destination button k (1..14).
    void RadioButtonClick(int k);
    void OKBtnClick();

    // Visas and embassies.
    void Button7Click();
    void SpeedButton11Click();
    void SpeedButton12Click();

    // The action bar (SpeedButton1 runs OKBtnClick, CancelBtn the shop's).
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void CancelBtnClick() { SpeedButton3Click(); }
    // The pointer over action button k (1..12) presses it and pops the others up.
    void SpeedButtonMouseMove(int k);

    // A loaded game stands in its saved city as if it had just arrived:
    // the screen knows the city it will be left from, with no second
    // arrival written.
    void resumeStay(const CityRow& row);

    // The language of play changed: the texts the screen computed are
    // written anew.
    void retranslate();

    // The heights the next unfold or fold passes through, the last one final.
    static std::vector<int> foldHeights(int from);

    // The city's canonical caption: the key the saved game and the shops
    // keep, and the catalogue's key for the title the window shows.
    std::string Caption;
    int Left = ScreenLeft;
    int Top = 0;
    int Width = FoldedWidth;
    int Height = FoldedHeight;
    // Called after each height of an unfold or fold, so that every step is painted.
    std::function<void()> onHeightStep;
    bool Button7Visible = true;  // the visa for the next country is still to be obtained
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

    // A visa not yet used is void: the visa button returns and every
    // destination can be chosen again.
    void resetVisa()
    {
        Button7Visible = true;
        for (auto& button : RadioButtons)
            button.Enabled = true;
    }

private:
    void arrive(const CityRow& row);
    void writeArrivalLines(const CityRow& row);
    void showDestinations(const CityRow& row);
    void captionDestinations(const CityRow& row);
    void leaveWithoutVisa();
    void depart();
    // The checked destination button (1..18), or 0.
    int checkedButton() const;
    bool applyForVisa(int k);

    Game& game_;
    const CityRow* city_ = nullptr;  // the city of the last arrival
};

}  // namespace korvalin

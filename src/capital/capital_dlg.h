#pragma once

#include <array>
#include <string>

namespace korvalin {

// The capital screen's controls that other windows and the journey change.
class CapitalDlg {
public:
    static constexpr int DestinationButtonCount = 18;

    struct RadioButton {
        std::string Caption;
        bool Visible = false;
        bool Enabled = true;
        bool Checked = false;
    };

    std::string Caption;
    bool Button7Visible = true;  // the visa for the next country is still to be obtained
    std::array<RadioButton, DestinationButtonCount> RadioButtons;

    // A visa not yet used is void: the visa button returns and every
    // destination can be chosen again.
    void resetVisa()
    {
        Button7Visible = true;
        for (auto& button : RadioButtons)
            button.Enabled = true;
    }
};

}  // namespace korvalin

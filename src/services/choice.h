#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace korvalin {

// A radio button or check box of the service windows.
struct Choice {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;

    // A box left checked from an earlier showing does not count once it is
    // disabled: an owned good is not bought twice by accident.
    bool chosen() const { return Enabled && Checked; }
};

// Clicking radio button `index` of a group checks it alone.
inline void checkRadio(std::span<Choice> group, std::size_t index)
{
    for (std::size_t i = 0; i < group.size(); ++i)
        group[i].Checked = i == index;
}

}  // namespace korvalin

#pragma once

namespace korvalin {

// The shop's controls that other windows change.
class KaimonoDlg {
public:
    // The sixth row of the shop; crossing a border takes its offer away.
    bool KaimonoButton6Visible = true;
};

}  // namespace korvalin

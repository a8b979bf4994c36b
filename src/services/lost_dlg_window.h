#pragma once

#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The passport-lost notice, kept on top.
class TLostDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    explicit TLostDlg(Game& game);
};

}  // namespace korvalin

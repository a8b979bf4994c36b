#pragma once

#include "services/lost_dlg.h"
#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The passport-lost notice, kept on top.
class TLostDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    TLostDlg(GameCore& game, LostDlg& model);

private:
    LostDlg& model_;
};

}  // namespace korvalin

#pragma once

#include "services/chokko_dlg.h"
#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The notice to go straight to the capital.
class TChokkoDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    TChokkoDlg(GameCore& game, ChokkoDlg& model);

private:
    ChokkoDlg& model_;
};

}  // namespace korvalin

#pragma once

#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The notice to go straight to the capital.
class TChokkoDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    explicit TChokkoDlg(Game& game);
};

}  // namespace korvalin

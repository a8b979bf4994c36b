#pragma once

#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The telegram office's notice that one telegram per stay is all.
class TSosindDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    explicit TSosindDlg(GameCore& game);
};

}  // namespace korvalin

#pragma once

#include "services/namae_dlg.h"
#include "widgets/fixed_texts_qt.h"

class QLineEdit;

namespace korvalin {

// The name window: a line, the edit box `Password` and OK, nothing else.
class TNamaeDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    TNamaeDlg(GameCore& game, NamaeDlg& model);

    void sync() override;

private:
    QLineEdit* Password;
    NamaeDlg& model_;
};

}  // namespace korvalin

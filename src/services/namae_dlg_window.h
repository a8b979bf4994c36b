#pragma once

#include "widgets/fixed_texts_qt.h"

class QLineEdit;

namespace korvalin {

// The name window: a line, the edit box `Password` and OK, nothing else.
class TNamaeDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    explicit TNamaeDlg(Game& game);

    void sync() override;

private:
    QLineEdit* Password;
};

}  // namespace korvalin

#pragma once

#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The version window: the program icon, name, date and OK.
class TAboutBox : public FixedTextsDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Game& game);
};

}  // namespace korvalin

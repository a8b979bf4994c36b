#pragma once

#include "services/about_box.h"
#include "widgets/fixed_texts_qt.h"

namespace korvalin {

// The version window: the program icon, name, date and OK.
class TAboutBox : public FixedTextsDialog {
    Q_OBJECT
public:
    TAboutBox(GameCore& game, AboutBox& model);

private:
    AboutBox& model_;
};

}  // namespace korvalin

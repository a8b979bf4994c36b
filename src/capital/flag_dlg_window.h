#pragma once

#include <QPixmap>
#include <string_view>

#include "app/game_dialog_qt.h"

namespace korvalin {

// The container of the flag pictures, one image per country named after its
// two-letter code with "_F" ("JP_F"). It is never shown.
class TFlagDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TFlagDlg(Game& game);

    // The flag image of that name; a null pixmap when there is none.
    QPixmap flag(std::string_view name) const;
};

}  // namespace korvalin

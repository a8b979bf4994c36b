#pragma once

#include <QHash>
#include <QPixmap>
#include <string_view>

#include "widgets/game_dialog_qt.h"

namespace korvalin {

// The container of the flag pictures, one image per country named after its
// two-letter code with "_F" ("JP_F"). It is never shown.
class TFlagDlg : public GameDialog {
    Q_OBJECT
public:
    explicit TFlagDlg(GameCore& game);

    // The flag image of that name; a null pixmap when there is none.
    QPixmap flag(std::string_view name) const;

private:
    // Each picture is decoded when a capital first shows it: decoding all
    // 77 would hold up the start by more than the rest of the windows.
    mutable QHash<QString, QPixmap> decoded_;
};

}  // namespace korvalin

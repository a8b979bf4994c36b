#pragma once

#include <array>

#include "endings/end_dlg.h"
#include "widgets/game_dialog_qt.h"

class QLabel;
class QPushButton;

namespace korvalin {

// Out of money: three lines and はい / いいえ. Shown without waiting, again
// on every tick until the player answers.
class TEndDlg : public GameDialog {
    Q_OBJECT
public:
    TEndDlg(GameCore& game, EndDlg& model);

    void retranslate() override;

private:
    std::array<QLabel*, EndDlg::Lines.size()> lines_{};
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    EndDlg& model_;
};

}  // namespace korvalin

#pragma once

#include "services/nikki_dlg.h"
#include "widgets/fixed_texts_qt.h"

class QPlainTextEdit;

namespace korvalin {

// The diary window: the diary store in a read-only memo beside the main
// window. While it is open it follows every line the game writes.
class TNikkiDlg : public FixedTextsDialog {
    Q_OBJECT
public:
    static constexpr int BarHeight = 27;
    static constexpr int IconSize = 17;

    TNikkiDlg(GameCore& game, NikkiDlg& model);
    ~TNikkiDlg() override;

    void sync() override;
    void setVisible(bool visible) override;

protected:
    QPoint frameSpot() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLines(int first, int last);
    void showAllLines();
    void showNewestLine();
    void showLine(int line);

    QPlainTextEdit* Memo1;
    // Lines written while the window was hidden are shown when it opens.
    bool stale_ = true;
    NikkiDlg& model_;
};

}  // namespace korvalin

#pragma once

#include "app/game_dialog_qt.h"

class QPlainTextEdit;

namespace korvalin {

// The diary window: the diary store in a read-only memo beside the main
// window. While it is open it follows every line the game writes.
class TNikkiDlg : public GameDialog {
    Q_OBJECT
public:
    static constexpr int BarHeight = 27;
    static constexpr int IconSize = 17;

    explicit TNikkiDlg(Game& game);
    ~TNikkiDlg() override;

    void sync() override;
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void place();
    void fitFrame();
    void showLines(int first, int last);
    void showAllLines();

    QPlainTextEdit* Memo1;
    // The frame the window was last placed with; the first opening learns
    // the real one only once the window manager has framed the window.
    QSize placedFrame_;
    // Lines written while the window was hidden are shown when it opens.
    bool stale_ = true;
};

}  // namespace korvalin

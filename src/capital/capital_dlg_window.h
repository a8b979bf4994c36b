#pragma once

#include <array>
#include <string>

#include "capital/capital_dlg.h"
#include "widgets/game_dialog_qt.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class QWidget;

namespace korvalin {

class CapitalDlg;
class ClickLabel;

// The capital screen. It holds no rule: clicks go to the CapitalDlg model
// and sync() shows the model's state; C_Timer repaints only the pulsing
// panel and the footprints.
class TCapitalDlg : public GameDialog {
    Q_OBJECT
public:
    // The design client area, and how much the frame adds to it.
    static constexpr int ClientWidth = 418;
    static constexpr int ClientHeight = 411;
    static constexpr int FrameWidth = 427 - ClientWidth;
    static constexpr int FrameHeight = 432 - ClientHeight;

    TCapitalDlg(GameCore& game, CapitalDlg& model);

    void sync() override;
    void retranslate() override;

protected:
    QPoint frameSpot() override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    template <typename Handler>
    void run(Handler handler);
    void buildStrip();
    void buildInfoPanel();
    void buildActionBar();
    void buildDestinations();
    void drawPictures();
    void drawActionGlyphs();
    void applySize();
    void keepUnfoldedOnScreen();
    void syncAnimation();
    void syncFlag();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CapitalDlg& model_;
    ClickLabel* Image1;
    std::string shownFlag_;
    bool picturesDrawn_ = false;
    bool showingAgain_ = false;
    std::array<QLabel*, 4> footprints_{};  // Asi1 .. Asi4
    std::array<QToolButton*, 12> speedButtons_{};
    ClickLabel* InfoPanel;
    std::array<QLabel*, 5> factCaptions_{};  // Label3 .. Label7
    std::array<QLabel*, 5> values_{};        // Label8 .. Label12
    QWidget* Panel1;
    QLabel* Label1;
    std::array<QRadioButton*, 18> radioButtons_{};
    QPushButton* Button7;
    QLabel* Label2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QTimer* C_Timer;
};

}  // namespace korvalin

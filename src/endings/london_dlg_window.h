#pragma once

#include <QImage>

#include <array>

#include "widgets/game_dialog_qt.h"

class QLabel;
class QTimer;

namespace korvalin {

class LondonDlg;

// The goal screen. Its 10 ms timer drives the model's animation while the
// window is shown; the window only draws what the model says.
class TLondonDlg : public GameDialog {
    Q_OBJECT
public:
    static constexpr int ClientSize = 480;

    explicit TLondonDlg(Game& game);

    void sync() override;

protected:
    QPoint frameSpot() override { return {0, 0}; }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* word(const char* name, std::string_view caption, int pixels, QRgb colour);
    void buildBar();
    void sizeTexts();
    void keepJourneyPicture();

    LondonDlg& model_;
    QImage picture_;
    QTimer* Timer1;
    QWidget* bar_;
    bool textsSized_ = false;
    std::array<QLabel*, 4> words_{};  // Label1 .. Label4
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;  // 旅の地図を保存
};

}  // namespace korvalin

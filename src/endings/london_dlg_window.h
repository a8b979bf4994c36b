#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <string>

#include "endings/london_dlg.h"
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

    TLondonDlg(GameCore& game, LondonDlg& model);

    void sync() override;
    void retranslate() override;

protected:
    QPoint frameSpot() override { return {0, 0}; }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* word(const char* name, int pixels, QRgb colour, bool ringed = false);
    void buildBar();
    void sizeTexts();
    void fitTexts();
    void keepJourneyPicture();

    LondonDlg& model_;
    QImage picture_;
    QTimer* Timer1;
    QWidget* bar_;
    bool textsSized_ = false;
    std::array<QLabel*, 4> words_{};  // Label1 .. Label4
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label5;                          // もう一度
    QLabel* Label6;                          // 終了
    QLabel* Label9;                          // 旅の地図を保存
    std::array<std::string, 2> shownLines_;  // what Label7 and Label8 show

    // What the backdrop shows; no model colour has the alpha byte set, so
    // the first sync draws it.
    struct Backdrop {
        std::uint32_t color = 0xFF000000;
        bool circles = false;
        bool operator==(const Backdrop&) const = default;
    };
    Backdrop shownBackdrop_;
};

}  // namespace korvalin

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "journey/travel.h"

class QLabel;
class QMenuBar;

namespace korvalin {

class GameCore;
class StatusPanel;
class HikerMarker;
class TravelView;

// The main window: the travel view, the hiker marker and the status bar.
// It holds no rule of its own; every event goes to the Travel model. The
// game's tile sheet is loaded before the window is made: it draws at once.
class TTravel : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 464;
    static constexpr int ClientHeight = 436;

    TTravel(GameCore& game, Travel& model);

    // Shows the model's state: captions, colours and the view.
    void sync();
    void setVisible(bool visible) override;
    // The status bar's captions as shown, from left to right.
    std::vector<std::string> statusCaptions() const;

signals:
    // A caption of the status bar has changed.
    void statusChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TravelView;
    friend class StatusPanel;

    // The hints and the status bar in the language of play; the
    // constructor runs it, and a change of language again.
    void retranslate();
    void tick();
    void showHint(const Travel::HintPanelState& hint);
    void placeLabels();
    void showTitle();
    // Starts Timer1 for the model's interval counted from `start`.
    void scheduleTick(qint64 start);
    void deliverKeyUp(int virtualKey, quint64 timestamp);

    GameCore& game_;
    Travel& model_;
    QMenuBar* menuBar_;
    TravelView* view_;
    StatusPanel* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    HikerMarker* Panel2;
    QLabel* HintLabel;
    // What Label1 to Label6 show now. No model colour has the alpha byte set,
    // so the first sync styles every label.
    static constexpr std::uint32_t Unstyled = 0xFF000000;
    std::array<Travel::Label, 6> shownLabels_{{{{}, Unstyled},
                                               {{}, Unstyled},
                                               {{}, Unstyled},
                                               {{}, Unstyled},
                                               {{}, Unstyled},
                                               {{}, Unstyled}}};
    Travel::HintPanelState shownHint_;  // as HintLabel shows it: hidden
    QTimer Timer1{this};
    // The title last given to the desktop.
    std::string givenTitle_;
    // Intervals count from when a tick was due rather than from when the
    // previous one finished, so a cell takes its 400 ms and not 400 ms plus
    // eight ticks' worth of work and timer lateness.
    QElapsedTimer pace_;
    qint64 nextTickDue_ = 0;  // nanoseconds on pace_

    // X reports auto-repeat as release/press pairs with one timestamp; a
    // release is delivered only once it is clear that no press follows it.
    int pendingReleaseKey_ = 0;
    quint64 pendingReleaseTime_ = 0;
};

}  // namespace korvalin

#pragma once

#include <QWidget>

namespace korvalin {

// The gauge of the splash window: a maroon bar without border.
class Gauge : public QWidget {
    Q_OBJECT
public:
    Gauge(int maxValue, QWidget* parent);
    void setProgress(int progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int filledWidth() const;

    int maxValue_;
    int progress_ = 0;
};

// The small window shown while the game's windows are created.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2();

    // Sets the gauge and paints it at once: the event loop is not running
    // yet while the windows are created.
    void setProgress(int progress);

private:
    Gauge* Gauge1;
};

}  // namespace korvalin

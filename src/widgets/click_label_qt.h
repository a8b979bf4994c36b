#pragma once

#include <QLabel>

#include <functional>

namespace korvalin {

// A label that reports a click (press and release over it) and which mouse
// button made it, as the game's clickable captions do.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void(Qt::MouseButton)> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::MouseButton pressed_ = Qt::NoButton;
};

}  // namespace korvalin

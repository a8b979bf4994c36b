#include "widgets/click_label_qt.h"

#include <QMouseEvent>

namespace korvalin {

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button();
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == pressed_ && rect().contains(event->position().toPoint());
    pressed_ = Qt::NoButton;
    event->accept();
    if (click && onClick)
        onClick(event->button());
}

}  // namespace korvalin

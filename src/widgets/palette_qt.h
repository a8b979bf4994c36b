#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace korvalin {

// A widget painted in one colour behind its children, as the game's panels
// and windows are.
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The colour a label or caption draws its text in.
inline void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace korvalin

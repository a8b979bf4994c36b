#pragma once

#include <QApplication>
#include <QMainWindow>

// A bare main window that quits as soon as the window system first asks it
// to paint: the end of a start-up floor.
class FirstExposure : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMainWindow::paintEvent(event);
        QApplication::quit();
    }
};

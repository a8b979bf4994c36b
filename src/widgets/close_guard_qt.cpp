#include "widgets/close_guard_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace korvalin {

namespace {

// What the game itself is closing: one window, or all of them at the end.
QWidget* closingFromHandler = nullptr;
bool quitting = false;

class CloseGuard : public QObject {
public:
    CloseGuard(QWidget* window, std::function<void()> closeBox)
        : QObject(window), window_(window), closeBox_(std::move(closeBox))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && !quitting && closingFromHandler != window_) {
            event->ignore();
            // Run once the close event is over, as the handler may close
            // this very window.
            if (closeBox_ && window_->isVisible())
                QTimer::singleShot(0, this, closeBox_);
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    std::function<void()> closeBox_;
};

}  // namespace

void closeOnlyFromHandlers(QWidget* window, std::function<void()> closeBox)
{
    window->installEventFilter(new CloseGuard(window, std::move(closeBox)));
}

void closeFromHandler(QWidget* window)
{
    QWidget* const outer = std::exchange(closingFromHandler, window);
    window->close();
    closingFromHandler = outer;
}

void quitProgram()
{
    quitting = true;
    QApplication::quit();
    quitting = false;
}

}  // namespace korvalin

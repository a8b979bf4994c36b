#include "widgets/close_guard_qt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace korvalin {

namespace {

class CloseGuard : public QObject {
public:
    CloseGuard(QWidget* window, std::function<void()> closeBox)
        : QObject(window), closeBox_(std::move(closeBox))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Closes from the window system arrive as spontaneous events, those
        // of the game's own handlers do not.
        if (event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();
            // Run once the close event is over, as the handler may close
            // this very window.
            if (closeBox_)
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
    std::function<void()> closeBox_;
};

}  // namespace

void closeOnlyFromHandlers(QWidget* window, std::function<void()> closeBox)
{
    window->installEventFilter(new CloseGuard(window, std::move(closeBox)));
}

}  // namespace korvalin

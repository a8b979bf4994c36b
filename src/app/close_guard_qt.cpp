#include "app/close_guard_qt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace korvalin {

namespace {

class CloseGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Closes from the window system arrive as spontaneous events, those
        // of the game's own handlers do not.
        if (event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void closeOnlyFromHandlers(QWidget* window)
{
    window->installEventFilter(new CloseGuard(window));
}

}  // namespace korvalin

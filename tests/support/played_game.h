#pragma once

// The game as the program sets it up: every window made once and known to
// the desktop Ui, so that what a handler shows is the real window, and the
// player's hands on them: clicks, keys and answers to the boxes that open.
#include <QtTest/qtestspontaneevent.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "app/desktop_ui_qt.h"
#include "app/window_factory_qt.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin::testing {

class PlayedGame {
public:
    PlayedGame()
    {
        // The main window draws its view as it is made.
        game.tileSheet = TileSheet(Bitmap(TileSheet::SheetSize, TileSheet::SheetSize));
        for (const WindowInfo& info : WindowTable) {
            windows_.emplace_back(createWindow(info.id, game));
            ui.registerWindow(info.id, windows_.back().get());
        }
    }
    PlayedGame(const PlayedGame&) = delete;
    PlayedGame& operator=(const PlayedGame&) = delete;

    QWidget* window(WindowId id) const { return ui.window(id); }
    template <typename T>
    T* child(WindowId id, const char* name) const
    {
        return window(id)->findChild<T*>(QString::fromLatin1(name));
    }

    // In Beijing on a course, with a name, a map, money in hand and at the
    // bank, the capital screen just shown.
    void arriveInBeijing()
    {
        GameState& s = game.state;
        s.MapX = 202 - 15;
        s.MapY = 128 - 14;
        s.capitalf = true;
        s.TitlePending = false;
        s.Level1 = true;
        s.HaveMap = true;
        s.Namae = "Rin";
        s.yen = 50000;
        s.yokin = 20000;
        ui.show(WindowId::CapitalDlg);
        QApplication::processEvents();
    }

    // The class names of the game's windows now shown, the main window's
    // among them.
    std::vector<std::string> shownWindows() const
    {
        std::vector<std::string> shown;
        for (const WindowInfo& info : WindowTable) {
            if (window(info.id)->isVisible())
                shown.emplace_back(info.className);
        }
        return shown;
    }

    TempDir folder;
    DesktopUi ui{KORVALIN_CATALOGUES};
    FakeClock clock;
    Game game{ui, clock,
              SaveFiles{folder / "Korvalin.ini", folder / "Nikki.txt", folder / "Korvalin.trail"}};

private:
    std::vector<std::unique_ptr<QWidget>> windows_;
};

// Lets the event loop run until `done`, for three seconds at most.
template <typename Done>
bool runUntil(Done done)
{
    const QDeadlineTimer deadline(3000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// A click of `button` in the middle of `widget`, or at `at`.
inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {})
{
    QTest::mouseClick(widget, button, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

// What the window system sends for a click on the close box, or Alt+F4.
inline void closeBox(QWidget* window)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    // Not sendEvent, which would make the event the program's own again.
    qApp->notify(window, &close);
    QApplication::processEvents();
}

// Answers the modal windows that open while it lives, in turn, and notes
// what each was. A modal window holds the test in its own event loop until
// it is answered; one that never opens is noted nowhere, and is no longer
// waited for once this is gone.
class ModalAnswers : public QObject {
public:
    // Once the next modal window is up, `answer` runs on it. The window in
    // front now is not the next one, even when the next one, made where it
    // was, has its address.
    void next(std::function<void(QWidget*)> answer)
    {
        watch(std::move(answer), QApplication::activeModalWidget(), 300);
    }
    // The next box is answered by a click on its button `which`.
    void nextBox(QMessageBox::StandardButton which)
    {
        next([which](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                click(box->button(which));
        });
    }
    // The next `count` boxes, one after the other, by their OK.
    void nextBoxes(int count)
    {
        if (count == 0)
            return;
        next([this, count](QWidget* modal) {
            nextBoxes(count - 1);
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                click(box->button(QMessageBox::Ok));
        });
    }

    std::vector<std::string> windows;  // class names without namespace, e.g. "QMessageBox"
    std::vector<std::string> texts;    // the boxes' texts

private:
    void watch(std::function<void(QWidget*)> answer, QPointer<QWidget> before, int tries)
    {
        QTimer::singleShot(10, this, [=, this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == before || !modal->isVisible()) {
                if (tries > 0)
                    watch(answer, before, tries - 1);
                return;
            }
            const QString name = QString::fromLatin1(modal->metaObject()->className());
            windows.push_back(name.section(QStringLiteral("::"), -1).toStdString());
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                texts.push_back(box->text().toStdString());
            answer(modal);
        });
    }
};

}  // namespace korvalin::testing

#include "app/desktop_ui_qt.h"

#include <QAbstractButton>
#include <QLibraryInfo>
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

#include "app/platform_texts.h"
#include "app/language_qt.h"
#include "widgets/close_guard_qt.h"
#include "widgets/game_dialog_qt.h"
#include "widgets/print_lines_qt.h"
#include "widgets/text_qt.h"
#include "widgets/window_frame_qt.h"

namespace korvalin {

namespace {

// Room in a box's title bar for the window manager's icon and buttons, in
// title bar heights, beside the title itself.
constexpr int TitleBarButtons = 5;

bool keptOnTop(const QWidget* window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// A message box as wide as its text and its title, centred in front of the
// window it opens over.
class GameBox : public QMessageBox {
public:
    GameBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
            QWidget* owner)
        : QMessageBox(icon, title, text, buttons, owner)
    {
        // Placed by showEvent, not by QDialog's guess at the frame.
        setAttribute(Qt::WA_Moved);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        const QMargins frame = windowFrame(this);
        if (auto* grid = qobject_cast<QGridLayout*>(layout()); grid && !titleRoom_) {
            QFont titleFont = font();
            titleFont.setBold(true);
            const int width = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) +
                              TitleBarButtons * frame.top();
            titleRoom_ = new QSpacerItem(width, 0);
            grid->addItem(titleRoom_, grid->rowCount(), 0, 1, grid->columnCount());
        }
        QMessageBox::showEvent(event);  // sizes the box
        placeFrame(this, centredFrameSpot(this, parentWidget()));
    }

private:
    QSpacerItem* titleRoom_ = nullptr;
};

// A modal window hands the activation back to the window it was shown
// over, as it does on Windows; without a window manager nothing else would,
// and the owner's activation handler would run late, after the player's
// next click, or the main window would never get the keyboard back.
int execModal(QDialog& dialog, QWidget* owner)
{
    const QPointer<QWidget> returnTo = owner;
    const int result = dialog.exec();
    if (returnTo && returnTo->isVisible())
        returnTo->activateWindow();
    return result;
}

int execBox(QDialog& box)
{
    return execModal(box, box.parentWidget());
}

void syncIfGameDialog(QWidget* window)
{
    if (auto* dialog = qobject_cast<GameDialog*>(window))
        dialog->sync();
}

}  // namespace

DesktopUi::DesktopUi(std::filesystem::path catalogues) : catalogues_(std::move(catalogues)) {}

DesktopUi::~DesktopUi() = default;

void DesktopUi::registerWindow(WindowId id, QWidget* window)
{
    windows_[index(id)] = window;
    if (id == WindowId::Travel)
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, window,
                         [this](QWindow* focus) { passOnFromDisabledMain(focus); });
}

// While the game waits on another window, the main window is disabled and
// does not keep the keyboard: as on Windows, activating it activates the
// window in front. xfwm4 hands the activation on to the main window, the
// owner, when a box over a window kept over it closes.
void DesktopUi::passOnFromDisabledMain(QWindow* focus) const
{
    QWidget* main = windows_[index(WindowId::Travel)];
    if (!focus || focus != main->windowHandle() || main->isEnabled())
        return;
    if (QWidget* front = frontWindow(); front != main && front->isVisible())
        front->activateWindow();
}

QWidget* DesktopUi::frontWindow() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* latest = nullptr;
    std::uint64_t latestShown = 0;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        QWidget* w = windows_[i];
        if (w && w->isVisible() && overMainWindow(w) && shownAt_[i] >= latestShown) {
            latest = w;
            latestShown = shownAt_[i];
        }
    }
    if (latest)
        return latest;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return windows_[index(WindowId::Travel)];
}

bool DesktopUi::overMainWindow(const QWidget* window) const
{
    return keptOnTop(window) || window == windows_[index(WindowId::CapitalDlg)];
}

// The window manager keeps a transient window above its owner, in the
// owner's layer. A window kept over the main window belongs to it, as it is
// always shown: left to Qt, a window kept on top would belong to a hidden
// window, which some window managers reject and on which a box made
// transient for it crashes some compositors.
void DesktopUi::keepInFront(QWidget* window, QWidget* owner) const
{
    if (overMainWindow(window))
        owner = windows_[index(WindowId::Travel)];
    window->winId();
    QWindow* ownerWindow = owner && owner != window ? owner->windowHandle() : nullptr;
    window->windowHandle()->setTransientParent(ownerWindow);
}

void DesktopUi::show(WindowId id)
{
    QWidget* w = window(id);
    if (!w)
        return;
    syncIfGameDialog(w);
    if (!w->isVisible())
        keepInFront(w, frontWindow());
    noteShown(id);
    w->show();
    w->raise();
    w->activateWindow();
}

void DesktopUi::showModal(WindowId id)
{
    QWidget* owner = frontWindow();
    noteShown(id);
    if (auto* dialog = qobject_cast<QDialog*>(window(id))) {
        keepInFront(dialog, owner);
        execModal(*dialog, owner);
    } else if (QWidget* w = window(id)) {
        w->show();
    }
}

// The window in front takes the keyboard when the active window closes, as
// on Windows; most window managers hand it to the owner themselves, weston
// leaves no window active. Right after a box no window may be active yet:
// the keyboard is handed on then too.
void DesktopUi::close(WindowId id)
{
    QWidget* w = window(id);
    if (!w)
        return;
    const bool hadKeyboard = w->isActiveWindow() || !QApplication::activeWindow();
    closeFromHandler(w);
    if (QWidget* front = frontWindow(); hadKeyboard && !w->isVisible() && front->isVisible())
        front->activateWindow();
}

void DesktopUi::setEnabled(WindowId id, bool enabled)
{
    if (QWidget* w = window(id))
        w->setEnabled(enabled);
}

void DesktopUi::message(std::string_view text)
{
    GameBox box(QMessageBox::NoIcon, qtr(platform_texts::MessageTitle), qtext(text), QMessageBox::Ok,
                frontWindow());
    execBox(box);
}

bool DesktopUi::confirm(std::string_view text, Buttons buttons)
{
    const auto yes = buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const auto no = buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
    GameBox box(QMessageBox::Question, qtr(platform_texts::ConfirmTitle), qtext(text), yes | no,
                frontWindow());
    if (buttons == Buttons::YesNo) {
        box.button(QMessageBox::Yes)->setText(qtr(platform_texts::Yes));
        box.button(QMessageBox::No)->setText(qtr(platform_texts::No));
    } else {
        box.button(QMessageBox::Cancel)->setText(qtr(platform_texts::Cancel));
    }
    box.setDefaultButton(yes);
    return execBox(box) == yes;
}

void DesktopUi::warning(std::string_view text)
{
    GameBox box(QMessageBox::Warning, qtr(platform_texts::WarningTitle), qtext(text), QMessageBox::Ok,
                frontWindow());
    execBox(box);
}

void DesktopUi::requestMainWindowClose()
{
    if (QWidget* main = window(WindowId::Travel))
        main->close();
}

bool DesktopUi::printLines(std::span<const std::string> lines)
{
    // What the handler has changed so far (the publish window's "preparing"
    // line) shows while the print dialog waits.
    for (QWidget* window : windows_) {
        if (window && window->isVisible())
            syncIfGameDialog(window);
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, frontWindow());
    if (execBox(dialog) != QDialog::Accepted)
        return false;
    if (korvalin::printLines(printer, lines))
        return true;
    // A printer that will not take the job is not the player's cancel.
    warning(tr(platform_texts::PrintFailed));
    return false;
}

void DesktopUi::chooseLanguage(Language language)
{
    if (!speak(language)) {
        warning(fill(tr(platform_texts::CatalogueUnreadable), languageCode(language)));
        return;
    }
    rememberLanguage(language);
}

// Every window takes its texts anew at once; the event Qt posts when its
// own translations change comes later and finds them done.
bool DesktopUi::speak(Language language)
{
    if (!useLanguage(language, catalogues_))
        return false;
    if (qtTranslator_)
        QCoreApplication::removeTranslator(qtTranslator_.get());
    qtTranslator_ = std::make_unique<QTranslator>();
    if (qtTranslator_->load(QStringLiteral("qt_") + qtext(languageCode(language)),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator_.get());
    for (QWidget* window : windows_) {
        if (window) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(window, &change);
        }
    }
    return true;
}

}  // namespace korvalin

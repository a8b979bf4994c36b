#include "app/desktop_ui_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "app/game_dialog_qt.h"
#include "app/print_lines_qt.h"
#include "app/text_qt.h"

namespace korvalin {

namespace {

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

void DesktopUi::registerWindow(WindowId id, QWidget* window)
{
    windows_[index(id)] = window;
}

QWidget* DesktopUi::parentForBoxes() const
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return windows_[index(WindowId::Travel)];
}

void DesktopUi::show(WindowId id)
{
    QWidget* w = window(id);
    if (!w)
        return;
    syncIfGameDialog(w);
    w->show();
    w->raise();
    w->activateWindow();
}

void DesktopUi::showModal(WindowId id)
{
    if (auto* dialog = qobject_cast<QDialog*>(window(id))) {
        execModal(*dialog, QApplication::activeWindow());
    } else if (QWidget* w = window(id)) {
        w->show();
    }
}

void DesktopUi::close(WindowId id)
{
    if (QWidget* w = window(id))
        w->close();
}

void DesktopUi::setEnabled(WindowId id, bool enabled)
{
    if (QWidget* w = window(id))
        w->setEnabled(enabled);
}

void DesktopUi::message(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvalin"), qtext(text), QMessageBox::Ok,
                    parentForBoxes());
    execBox(box);
}

bool DesktopUi::confirm(std::string_view text, Buttons buttons)
{
    const auto yes = buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const auto no = buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), qtext(text), yes | no,
                    parentForBoxes());
    if (buttons == Buttons::YesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    } else {
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    }
    box.setDefaultButton(yes);
    return execBox(box) == yes;
}

void DesktopUi::warning(std::string_view text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), qtext(text), QMessageBox::Ok,
                    parentForBoxes());
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
    QPrintDialog dialog(&printer, parentForBoxes());
    if (execBox(dialog) != QDialog::Accepted)
        return false;
    if (korvalin::printLines(printer, lines))
        return true;
    // A printer that will not take the job is not the player's cancel.
    warning("印刷できませんでした。\nプリンタの設定を確かめてください。");
    return false;
}

}  // namespace korvalin

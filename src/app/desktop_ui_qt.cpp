#include "app/desktop_ui_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "app/game_dialog_qt.h"

namespace korvalin {

namespace {

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void syncIfGameDialog(QWidget* window)
{
    if (auto* dialog = qobject_cast<GameDialog*>(window))
        dialog->sync();
}

}  // namespace

void DesktopUi::registerWindow(WindowId id, QWidget* window) { windows_[index(id)] = window; }

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
        dialog->exec();
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
    box.exec();
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
    return box.exec() == yes;
}

void DesktopUi::warning(std::string_view text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), qtext(text), QMessageBox::Ok,
                    parentForBoxes());
    box.exec();
}

void DesktopUi::requestMainWindowClose()
{
    if (QWidget* main = window(WindowId::Travel))
        main->close();
}

bool DesktopUi::printLines(std::span<const std::string> lines)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parentForBoxes());
    if (dialog.exec() != QDialog::Accepted)
        return false;

    // The diary's own font, one diary line per printed line.
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(10);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int lineHeight = metrics.lineSpacing();
    int y = metrics.ascent();
    for (const std::string& line : lines) {
        if (y > page.height()) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, qtext(line));
        y += lineHeight;
    }
    return painter.end();
}

}  // namespace korvalin

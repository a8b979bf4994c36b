// Every window in English, as a player meets it in a capital: no Japanese
// word on screen and no text wider than the widget that shows it, at the
// game's own font.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

#include "app/window_factory_qt.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/in_english.h"

namespace korvalin {
namespace {

bool hasJapanese(const QString& text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    // The way back to Japanese is named in Japanese.
    return text != QStringLiteral("日本語") && japanese.match(text).hasMatch();
}

// The widest line of a text as the widget's font draws it.
int textWidth(const QWidget* widget, const QString& text)
{
    const QFontMetrics metrics(widget->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
    return widest;
}

// Room a button's frame, or a radio button's or check box's mark, takes
// beside its text.
int buttonRoom(const QAbstractButton* button)
{
    if (qobject_cast<const QRadioButton*>(button) || qobject_cast<const QCheckBox*>(button))
        return 18;
    return 4;
}

std::vector<std::string> faultsOf(QWidget* window, const std::string& name)
{
    std::vector<std::string> faults;
    const auto fault = [&](const QWidget* widget, const QString& text, const char* what) {
        faults.push_back(name + "/" + widget->objectName().toStdString() + ": " + what + ": " +
                         text.toStdString());
    };
    if (hasJapanese(window->windowTitle()))
        fault(window, window->windowTitle(), "title");
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (hasJapanese(widget->toolTip()))
            fault(widget, widget->toolTip(), "hint");
        QString text;
        int room = 0;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            room = label->wordWrap() ? INT_MAX : label->contentsRect().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            room = button->width() - buttonRoom(button);
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            for (const QAction* item : menu->actions()) {
                if (hasJapanese(item->text()) || hasJapanese(item->toolTip()))
                    fault(menu, item->text(), "menu");
            }
            continue;
        } else {
            continue;
        }
        if (hasJapanese(text))
            fault(widget, text, "Japanese");
        else if (textWidth(widget, text) > room)
            fault(widget, text, "too wide");
    }
    return faults;
}

class EnglishWalk : public ::testing::Test {
protected:
    EnglishWalk()
    {
        // As the game sets it up: its Gothic at 12 pixels.
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPixelSize(12);
        QApplication::setFont(font);
        // In Beijing, with money, a name and a visa to get.
        game.state.MapX = 202 - 15;
        game.state.MapY = 128 - 14;
        game.state.capitalf = true;
        game.state.Namae = "Rainbow";
        game.state.yen = 123456;
        game.state.yokin = 100000;
    }
    ~EnglishWalk() override { QApplication::setFont(previousFont); }

    QFont previousFont = QApplication::font();
    InEnglish english;
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
};

TEST_F(EnglishWalk, EveryWindowSpeaksEnglishAndFitsItsWords)
{
    ASSERT_TRUE(english.ready());
    std::vector<std::string> faults;
    for (const WindowInfo& info : WindowTable) {
        std::unique_ptr<QWidget> window(createWindow(info.id, game));
        window->show();
        QApplication::processEvents();
        for (const std::string& fault : faultsOf(window.get(), std::string(info.className)))
            faults.push_back(fault);
        window->hide();
    }
    for (const std::string& fault : faults)
        ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace korvalin

// The capital screen's window: showing it runs the arrival, its buttons reach
// the model, and what it shows follows the model.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include "capital/capital_dlg_window.h"
#include "capital/country_facts.h"
#include "session/game.h"
#include "support/desktop_closes.h"
#include "support/fake_ports.h"
#include "widgets/close_guard_qt.h"

namespace korvalin {
namespace {

// A left click as the mouse makes it: press and release over the widget.
void leftClick(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The pixels of the widget as shown that are the captions' aqua, or nearly.
int aquaPixels(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() < 80 && c.green() > 200 && c.blue() > 200;
        }
    }
    return count;
}

class CapitalWindowTest : public ::testing::Test {
protected:
    CapitalWindowTest()
    {
        // Beside Tokyo, on its east side.
        game.state.MapX = 246 - 15;
        game.state.MapY = 118 - 14;
        game.state.capitalf = true;
    }

    template <typename T>
    T* child(const char* name)
    {
        auto* widget = dlg.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    TCapitalDlg dlg{game, game.CapitalDlg};
};

// Finland's two languages are the widest value; none may be cut.
TEST_F(CapitalWindowTest, EveryCountrysFactsShowWhole)
{
    dlg.show();
    dlg.sync();
    int rows = 0;
    for (int code = 0; code < 256; ++code) {
        const CountryFacts* facts = factsByMainCode(static_cast<std::uint8_t>(code));
        if (!facts)
            continue;
        ++rows;
        game.CapitalDlg.InfoValues = {std::string(facts->area), std::string(facts->population),
                                      std::string(facts->ethnicGroups),
                                      std::string(facts->language), std::string(facts->currency)};
        dlg.sync();
        for (int k = 8; k <= 12; ++k) {
            auto* value = child<QLabel>(("Label" + std::to_string(k)).c_str());
            EXPECT_LE(QFontMetrics(value->font()).horizontalAdvance(value->text()), value->width())
                << facts->country << " Label" << k;
        }
    }
    EXPECT_EQ(rows, 78);
}

TEST_F(CapitalWindowTest, ShowingArrivesAndShowsTheStripOnly)
{
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("日本国首都東京"));
    EXPECT_EQ(game.diary.get(game.state.dd), "　　東京に到着。");
    EXPECT_EQ(dlg.height(), 94);
    EXPECT_EQ(dlg.width(), 418);
    auto* korea = child<QRadioButton>("RadioButton1");
    EXPECT_EQ(korea->text(), QStringLiteral("韓国大使館"));
    EXPECT_FALSE(korea->isHidden());
    EXPECT_TRUE(child<QRadioButton>("RadioButton5")->isHidden());
    // Drawn at the first showing, not at start-up.
    EXPECT_FALSE(child<QToolButton>("SpeedButton12")->icon().isNull());
    EXPECT_FALSE(child<QLabel>("Asi1")->pixmap().isNull());
}

TEST_F(CapitalWindowTest, ClicksReachTheModelAndTheWindowFollows)
{
    dlg.show();
    child<QToolButton>("SpeedButton11")->click();
    EXPECT_EQ(dlg.height(), 411);

    child<QRadioButton>("RadioButton1")->click();
    EXPECT_EQ(game.state.leg.PN, 9);  // Korea
    game.state.yen = 5000;
    child<QPushButton>("Button7")->click();
    EXPECT_TRUE(child<QPushButton>("Button7")->isHidden());
    EXPECT_FALSE(child<QRadioButton>("RadioButton2")->isEnabled());
    // The destinations the visa closed grey out; the chosen one stays aqua.
    EXPECT_GT(aquaPixels(child<QRadioButton>("RadioButton1")), 20);
    EXPECT_EQ(aquaPixels(child<QRadioButton>("RadioButton2")), 0);

    leftClick(child<QLabel>("Image1"));
    EXPECT_EQ(child<QLabel>("Label8")->text(), QStringLiteral("37万8000k㎡"));
    EXPECT_FALSE(child<QLabel>("InfoPanel")->isHidden());
    leftClick(child<QLabel>("InfoPanel"));
    EXPECT_TRUE(child<QLabel>("InfoPanel")->isHidden());

    child<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(ui.count("close", "TCapitalDlg"), 1);
    EXPECT_EQ(game.diary.get(game.state.dd), "　　東京を出発。");

    child<QToolButton>("SpeedButton11")->click();
    EXPECT_EQ(dlg.height(), 94);
}

// However the desktop closes the screen, the hiker is asked first, as at the
// door: with the visa still to get, a No keeps him in the city.
TEST_F(CapitalWindowTest, EveryCloseFromOutsideAsksTheLeaveQuestion)
{
    auto closes = testing::desktopCloses();
    closes.emplace_back("a close no handler asked for", [](QWidget& window) { window.close(); });
    dlg.show();
    ASSERT_TRUE(game.state.visaToGet);
    for (const auto& [how, close] : closes) {
        ui.calls.clear();
        ui.answers = {false};
        close(dlg);
        QApplication::processEvents();
        EXPECT_TRUE(dlg.isVisible()) << how;
        EXPECT_EQ(ui.count("confirm"), 1) << how;
        EXPECT_EQ(ui.count("close"), 0) << how;
    }
    closeFromHandler(&dlg);
    EXPECT_FALSE(dlg.isVisible()) << "a handler's close goes through";
}

}  // namespace
}  // namespace korvalin

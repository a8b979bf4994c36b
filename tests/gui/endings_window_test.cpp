// The goal screen and the out-of-money window: their timer and buttons
// reach the models, and what the models say is what they show.
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "endings/end_dlg_window.h"
#include "endings/journey_picture_qt.h"
#include "endings/london_dlg_window.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

// Runs the event loop until `done`, or gives up after a generous while.
template <typename Done>
bool waitFor(Done done)
{
    const QDeadlineTimer patience(20000);
    while (!done() && !patience.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void leftClick(QWidget* widget)
{
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

class EndingsWindowTest : public ::testing::Test {
protected:
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
};

TEST_F(EndingsWindowTest, TheGoalScreenAnimatesByItsTimerAndTurnsRedOnARecord)
{
    game.state.Level2 = true;
    game.state.day = 150 * MinutesPerDay;
    TLondonDlg dlg(game, game.LondonDlg);
    dlg.show();
    auto* congratulations = dlg.findChild<QLabel*>(QStringLiteral("Label4"));
    ASSERT_NE(congratulations, nullptr);
    EXPECT_FALSE(congratulations->isVisible());
    // 108 ticks of 10 ms; the wait ends as soon as the words are there.
    EXPECT_TRUE(waitFor([&] { return congratulations->isVisible(); }));
    EXPECT_EQ(congratulations->pos(), QPoint(109, 189));
    // Measured only once the window opens, the words still fit their texts.
    EXPECT_GE(congratulations->width(),
              congratulations->fontMetrics().horizontalAdvance(congratulations->text()));
    auto* result = dlg.findChild<QLabel*>(QStringLiteral("Label8"));
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->text(), QStringLiteral("次は大貧民コースにチャレンジしてください"));
    EXPECT_EQ(dlg.grab().toImage().pixelColor(5, 5), QColor(Qt::red));

    auto* quit = dlg.findChild<QLabel*>(QStringLiteral("Label6"));
    ASSERT_NE(quit, nullptr);
    EXPECT_LT(quit->height(), 23);
    EXPECT_EQ(quit->y(), (23 - quit->height()) / 2) << "not centred in the bar";
    leftClick(quit);
    EXPECT_TRUE(game.state.quitf);
}

// The relative luminance of a colour and the contrast of two, as the web's
// accessibility guidelines measure them: 1 for the same colour, 21 for
// black on white.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// "Congratulations!" stops over the river: wherever a stroke of its purple
// ends, what lies just beyond it stands out from the purple.
TEST_F(EndingsWindowTest, CongratulationsStandsOutFromTheRiverBehindIt)
{
    TLondonDlg dlg(game, game.LondonDlg);
    dlg.show();
    auto* congratulations = dlg.findChild<QLabel*>(QStringLiteral("Label4"));
    ASSERT_NE(congratulations, nullptr);
    ASSERT_TRUE(waitFor([&] { return congratulations->isVisible(); }));
    const QImage shown = dlg.grab().toImage();
    const QColor purple = congratulations->palette().color(QPalette::WindowText);
    const auto isPurple = [&](int x, int y) {
        const QColor c = shown.pixelColor(x, y);
        return std::abs(c.red() - purple.red()) + std::abs(c.green() - purple.green()) +
                   std::abs(c.blue() - purple.blue()) <
               24;
    };
    const QRect word = congratulations->geometry();
    // Every pixel at the edge of a stroke has, within three pixels, one that
    // stands out from the purple: the eye finds the letter's outline.
    int edges = 0;
    std::vector<QPoint> lost;
    for (int y = word.top() + 3; y < word.bottom() - 3; ++y) {
        for (int x = word.left() + 3; x < word.right() - 3; ++x) {
            if (!isPurple(x, y) || (isPurple(x - 1, y) && isPurple(x + 1, y) &&
                                    isPurple(x, y - 1) && isPurple(x, y + 1)))
                continue;
            ++edges;
            double best = 1;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    best = std::max(best, contrast(purple, shown.pixelColor(x + dx, y + dy)));
            if (best < 3.0)
                lost.push_back({x, y});
        }
    }
    EXPECT_GT(edges, 200) << "the word is not on the screen";
    EXPECT_TRUE(lost.empty()) << lost.size() << " of " << edges << " edge pixels, the first at ("
                              << lost.front().x() << ", " << lost.front().y() << ")";
}

TEST_F(EndingsWindowTest, TheOutOfMoneyWindowsAnswersReachTheModel)
{
    TEndDlg dlg(game, game.EndDlg);
    dlg.show();
    auto* yes = dlg.findChild<QPushButton*>(QStringLiteral("OKBtn"));
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(yes->text(), QStringLiteral("はい"));
    game.state.Level1 = true;
    yes->click();
    EXPECT_FALSE(game.state.Level1);

    testing::TempDir here;
    game.saveFiles.diary = here / "Nikki.txt";
    dlg.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_TRUE(game.state.quitf);
    EXPECT_TRUE(std::filesystem::exists(here / "Nikki.txt"));
}

// The picture kept from London: the whole world at three pixels a cell over
// a band of text, the trail in purple through its cells' centres beside
// the duo's navy route from Hong Kong (208, 170). West of Moscow is land.
TEST_F(EndingsWindowTest, ThePictureOfTheJourneyIsAPngWithTheTrailOnItsCells)
{
    game.world.build();
    const std::pair<int, int> cells[] = {{84, 75}, {85, 75}, {85, 76}, {86, 76}};
    for (const auto& [x, y] : cells)
        game.trail.enter(150, x, y);
    testing::TempDir dir;
    const QString path = QString::fromStdString((dir / "旅の地図.png").string());
    ASSERT_TRUE(saveJourneyPicture(game, path));
    const QImage png(path);
    EXPECT_EQ(png.size(), QSize(768, 904));
    for (const auto& [x, y] : cells)
        EXPECT_EQ(png.pixel(3 * x + 1, 3 * y + 1) & 0xFFFFFF, colors::Purple) << x << "," << y;
    EXPECT_EQ(png.pixel(3 * 208 + 1, 3 * 170 + 1) & 0xFFFFFF, colors::Navy);
    EXPECT_FALSE(
        saveJourneyPicture(game, QString::fromStdString((dir / "none" / "x.png").string())));
}

}  // namespace
}  // namespace korvalin

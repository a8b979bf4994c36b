#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "journey/travel_window.h"
#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

// Counts the events of one type an object receives.
class EventCount : public QObject {
public:
    EventCount(QObject* watched, QEvent::Type type) : type_(type)
    {
        watched->installEventFilter(this);
    }

    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == type_;
        return false;
    }

private:
    QEvent::Type type_;
};

// The main window over a plain tile sheet, on a strip of Japan.
class TravelWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.tileSheet = TileSheet(Bitmap(TileSheet::SheetSize, TileSheet::SheetSize));
        travel = std::make_unique<TTravel>(game, game.Travel);

        std::array<std::uint8_t, GridSize * GridSize> cells;
        cells.fill(14);
        game.world = WorldGrid::fromCells(cells);
        game.state.yen = 100000;
        game.state.Start = false;
    }

    void send(QEvent::Type type, int key)
    {
        QKeyEvent event(type, key, Qt::NoModifier);
        QCoreApplication::sendEvent(travel.get(), &event);
    }

    // Lets the event loop run until `done` or two seconds have passed.
    template <typename Done>
    bool runUntil(Done done)
    {
        QDeadlineTimer deadline(2000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return done();
    }

    // Delivers what the events just sent have queued.
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    QString shown(const char* label) const
    {
        return travel->findChild<QLabel*>(QString::fromLatin1(label))->text();
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    std::unique_ptr<TTravel> travel;
};

TEST_F(TravelWindowTest, AKeyPressReachesTheModelAtOnce)
{
    game.state.WantDir = Direction::East;
    send(QEvent::KeyPress, Qt::Key_Shift);
    EXPECT_EQ(game.state.WantDir, Direction::None);
    EXPECT_EQ(game.state.yen, 100000 - 100);
}

TEST_F(TravelWindowTest, AReleasedArrowSetsTheDirection)
{
    send(QEvent::KeyRelease, Qt::Key_Left);
    EXPECT_TRUE(runUntil([&] { return game.state.WantDir == Direction::West; }));
}

// X reports a held key as release and press with one timestamp: that
// release is no release.
TEST_F(TravelWindowTest, AnAutoRepeatReleaseIsNoRelease)
{
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    release.setTimestamp(500);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    press.setTimestamp(500);
    QCoreApplication::sendEvent(travel.get(), &release);
    QCoreApplication::sendEvent(travel.get(), &press);
    settle();
    EXPECT_EQ(game.state.WantDir, Direction::None);
    EXPECT_EQ(game.state.MoveDir, Direction::None);
    EXPECT_EQ(game.state.yen, 100000 - 100);
}

TEST_F(TravelWindowTest, TheStatusBarAndTitleFollowTheModelAsTheHikerMoves)
{
    travel->show();
    QApplication::setActiveWindow(travel.get());
    game.state.noRide = 0;
    send(QEvent::KeyRelease, Qt::Key_Right);
    ASSERT_TRUE(runUntil([&] { return game.state.MapX == 226; }));
    EXPECT_EQ(shown("Label3"), QStringLiteral("ヒッチハイクに成功"));
    EXPECT_EQ(shown("Label4"), QString::fromStdString(game.Travel.Label4.Caption));
    EXPECT_EQ(shown("Label4"), QStringLiteral("10万0円"));
    EXPECT_EQ(shown("Label2"), QStringLiteral("1日"));
    EXPECT_EQ(shown("Label5"), QStringLiteral("日本"));

    // The title is the marquee as the desktop shows it, without its blanks.
    EXPECT_TRUE(game.Travel.Caption.starts_with(' '));
    EXPECT_EQ(travel->windowTitle(), QString::fromStdString(game.Travel.Caption).trimmed());
}

// The marquee creeps by leading blanks, which the desktop trims: the title
// it is given stands still, while the caption creeps on.
TEST_F(TravelWindowTest, TheTitleStandsStillWhileTheMarqueeCreeps)
{
    travel->show();
    QApplication::setActiveWindow(travel.get());
    const EventCount retitled(travel.get(), QEvent::WindowTitleChange);
    std::string caption = game.Travel.Caption;
    int moves = 0;
    ASSERT_TRUE(runUntil([&] {
        if (game.Travel.Caption != caption) {
            caption = game.Travel.Caption;
            ++moves;
        }
        return moves == 20;
    }));
    EXPECT_EQ(retitled.count, 0);
    EXPECT_EQ(travel->windowTitle(), QStringLiteral("Korvalin ver 2.6"));
}

// From day 100 the day number is as wide as its room before the red ？.
TEST_F(TravelWindowTest, TheDayNumberKeepsClearOfTheQuestionMark)
{
    for (const int day : {99, 100, 999, 1000}) {
        game.state.day = day * MinutesPerDay;
        game.Travel.advanceJourney();
        travel->sync();
        const QImage bar =
            travel->findChild<QLabel*>(QStringLiteral("Label6"))->parentWidget()->grab().toImage();
        int dayEnd = -1, markStart = bar.width();
        for (int x = 0; x < bar.width(); ++x) {
            for (int y = 0; y < bar.height(); ++y) {
                const QColor c = bar.pixelColor(x, y);
                if (c.red() > 160 && c.green() > 160 && c.blue() < 96)
                    dayEnd = x;  // yellow
                else if (c.red() > 160 && c.green() < 96 && c.blue() < 96)
                    markStart = std::min(markStart, x);  // red
            }
        }
        EXPECT_GE(markStart - dayEnd, 8) << "day " << day << ": the day ends at " << dayEnd
                                         << ", the ？ starts at " << markStart;
    }
}

// Keys go where the window system sends them: to the widget with the focus.
TEST_F(TravelWindowTest, ALoneAltLeavesTheNextKeyAGesture)
{
    travel->show();
    QApplication::setActiveWindow(travel.get());
    settle();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    settle();
    const int afterAlt = game.state.yen;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(game.state.yen, afterAlt - 100) << "Escape went to the empty menu bar";
}

TEST_F(TravelWindowTest, TheQuestionMarkShowsItsOwnHintAndStillOpensTheHelp)
{
    auto* mark = travel->findChild<QLabel*>(QStringLiteral("Label6"));
    const QPoint onMark = mark->mapTo(travel.get(), mark->rect().center());
    QWidget* underPointer = travel->childAt(onMark);
    EXPECT_EQ(underPointer->toolTip(), QStringLiteral("左：ヘルプ"));
    QTest::mouseClick(underPointer, Qt::LeftButton, Qt::NoModifier, mark->rect().center());
    ASSERT_FALSE(ui.calls.empty());
    EXPECT_EQ(ui.calls.back().what, "showModal");
    EXPECT_EQ(ui.calls.back().detail, "THelpDlg");
}

}  // namespace
}  // namespace korvalin

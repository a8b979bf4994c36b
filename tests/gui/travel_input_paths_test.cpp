// Every way the player reaches the main window, through the widgets the
// program shows: the four arrows, any other key, the status bar's PAUSE,
// ？ and clicks, a button held on the view, and the window's close.
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include "journey/travel_window.h"
#include "support/played_game.h"

namespace korvalin {
namespace {

using testing::PlayedGame;

struct MainWindow {
    PlayedGame& played;
    TTravel* travel;
    QLabel* pause;
    QLabel* questionMark;
    QWidget* statusBar;
    QWidget* view;

    explicit MainWindow(PlayedGame& p)
        : played(p),
          travel(static_cast<TTravel*>(p.window(WindowId::Travel))),
          pause(p.child<QLabel>(WindowId::Travel, "Label1")),
          questionMark(p.child<QLabel>(WindowId::Travel, "Label6")),
          statusBar(pause->parentWidget()),
          view(statusBar->parentWidget())
    {
    }

    // The place-name panel: the view's own label.
    QLabel* hint() const { return view->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly); }
    std::pair<int, int> position() const
    {
        return {played.game.state.MapX, played.game.state.MapY};
    }
};

struct Path {
    const char* name;
    std::function<void(GameState&)> before;
    std::function<void(MainWindow&)> check;
};

// A click of an arrow key walks one cell that way, and no other.
std::function<void(MainWindow&)> walks(Qt::Key key, int dx, int dy)
{
    return [=](MainWindow& w) {
        const auto [x, y] = w.position();
        QTest::keyClick(w.travel, key);
        EXPECT_TRUE(testing::runUntil([&] { return w.position() != std::pair(x, y); }));
        EXPECT_EQ(w.position(), std::pair(x + dx, y + dy));
    };
}

// Where on the status bar a click reaches the bar itself, not PAUSE or ？.
const QPoint BarMiddle{200, 12};

const Path Paths[] = {
    {"Down walks south", {}, walks(Qt::Key_Down, 0, 1)},
    {"Up walks north", {}, walks(Qt::Key_Up, 0, -1)},
    {"Left walks west", {}, walks(Qt::Key_Left, -1, 0)},
    {"Right walks east", {}, walks(Qt::Key_Right, 1, 0)},
    {"Space raises a hand and sets no way", [](GameState& s) { s.WantDir = Direction::East; },
     [](MainWindow& w) {
         QTest::keyClick(w.travel, Qt::Key_Space);
         QApplication::processEvents();
         EXPECT_EQ(w.played.game.state.WantDir, Direction::None);
         EXPECT_EQ(w.played.game.state.MoveDir, Direction::None);
         EXPECT_EQ(w.played.game.state.yen, 100000 - 100);
     }},
    {"PAUSE turns red and stops the walk", [](GameState& s) { s.WantDir = Direction::East; },
     [](MainWindow& w) {
         testing::click(w.pause);
         EXPECT_EQ(w.played.game.state.WantDir, Direction::None);
         EXPECT_EQ(w.pause->palette().color(QPalette::WindowText), QColor(Qt::red));
     }},
    {"？ opens the help and Close goes back to the road", [](GameState& s) { s.Level1 = true; },
     [](MainWindow& w) {
         testing::ModalAnswers answers;
         answers.next([](QWidget* help) {
             testing::click(help->findChild<QLabel*>(QStringLiteral("Label4")));
         });
         testing::click(w.questionMark);
         EXPECT_EQ(answers.windows, std::vector<std::string>{"THelpDlg"});
         EXPECT_FALSE(w.played.window(WindowId::HelpDlg)->isVisible());
     }},
    {"a left click on the bar opens nothing",
     {},
     [](MainWindow& w) {
         testing::click(w.statusBar, Qt::LeftButton, BarMiddle);
         EXPECT_EQ(w.played.shownWindows(), std::vector<std::string>{"TTravel"});
     }},
    {"a right click on the bar opens the version window",
     {},
     [](MainWindow& w) {
         testing::click(w.statusBar, Qt::RightButton, BarMiddle);
         EXPECT_TRUE(w.played.window(WindowId::AboutBox)->isVisible());
     }},
    {"a double click on the bar opens the map to its owner", [](GameState& s) { s.HaveMap = true; },
     [](MainWindow& w) {
         QTest::mouseDClick(w.statusBar, Qt::LeftButton, Qt::NoModifier, BarMiddle);
         EXPECT_TRUE(w.played.window(WindowId::WorldMap)->isVisible());
     }},
    {"a double click on the bar opens nothing without a map",
     {},
     [](MainWindow& w) {
         QTest::mouseDClick(w.statusBar, Qt::LeftButton, Qt::NoModifier, BarMiddle);
         EXPECT_EQ(w.played.shownWindows(), std::vector<std::string>{"TTravel"});
     }},
    {"a button held on the view names the place to a map's owner",
     [](GameState& s) { s.Nikki = true; },
     [](MainWindow& w) {
         QTest::mousePress(w.view, Qt::LeftButton, Qt::NoModifier, QPoint(240, 208));
         EXPECT_TRUE(w.hint()->isVisible());
         EXPECT_EQ(w.hint()->text(), QStringLiteral("日本国"));
         EXPECT_EQ(w.hint()->pos(), QPoint(240, 208));
         QTest::mouseRelease(w.view, Qt::LeftButton, Qt::NoModifier, QPoint(240, 208));
         EXPECT_FALSE(w.hint()->isVisible());
     }},
    {"a button held where no place has a name shows no panel", [](GameState& s) { s.Nikki = true; },
     [](MainWindow& w) {
         std::array<std::uint8_t, GridSize * GridSize> nameless;
         nameless.fill(48);  // a region the map leaves unnamed
         w.played.game.world = WorldGrid::fromCells(nameless);
         QTest::mousePress(w.view, Qt::LeftButton, Qt::NoModifier, QPoint(240, 208));
         EXPECT_FALSE(w.hint()->isVisible());
         QTest::mouseRelease(w.view, Qt::LeftButton, Qt::NoModifier, QPoint(240, 208));
     }},
    {"a button held on the view names nothing without a map",
     {},
     [](MainWindow& w) {
         QTest::mousePress(w.view, Qt::LeftButton, Qt::NoModifier, QPoint(240, 208));
         EXPECT_FALSE(w.hint()->isVisible());
         QTest::mouseRelease(w.view, Qt::LeftButton, Qt::NoModifier, QPoint(240, 208));
     }},
    {"closing asks first, and Cancel plays on",
     {},
     [](MainWindow& w) {
         testing::ModalAnswers answers;
         answers.nextBox(QMessageBox::Cancel);
         w.travel->close();
         EXPECT_EQ(answers.texts, std::vector<std::string>{"Korvalinを終了しますか？"});
         EXPECT_TRUE(w.travel->isVisible());
     }},
};

TEST(TravelInputPaths, EachInputDoesWhatThePlayerMeansByIt)
{
    for (const Path& path : Paths) {
        SCOPED_TRACE(path.name);
        PlayedGame played;
        GameState& s = played.game.state;
        std::array<std::uint8_t, GridSize * GridSize> japan;
        japan.fill(14);
        played.game.world = WorldGrid::fromCells(japan);
        s.TitlePending = false;
        s.Start = false;
        s.yen = 100000;
        // A ride at the first try: the walk takes a cell in moments.
        s.noRide = 0;
        if (path.before)
            path.before(s);
        MainWindow w(played);
        w.travel->show();
        QApplication::setActiveWindow(w.travel);
        QApplication::processEvents();
        path.check(w);
    }
}

}  // namespace
}  // namespace korvalin

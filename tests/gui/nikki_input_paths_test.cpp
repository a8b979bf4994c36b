// Every way the player handles the diary window, through the window the
// program shows: its scroll bar moves the page, its button closes it.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include "support/played_game.h"

namespace korvalin {
namespace {

using testing::PlayedGame;

struct Path {
    const char* name;
    std::function<void(PlayedGame&, QPlainTextEdit*)> check;
};

// A click on the arrow at the top of the vertical bar: a step back.
void stepBack(QScrollBar* bar)
{
    ASSERT_TRUE(bar->isVisible());
    testing::click(bar, Qt::LeftButton, QPoint(bar->width() / 2, 4));
}

const Path Paths[] = {
    {"the vertical bar steps back through a long diary",
     [](PlayedGame&, QPlainTextEdit* memo) {
         QScrollBar* bar = memo->verticalScrollBar();
         const int newest = bar->value();
         ASSERT_GT(newest, 0) << "it opens at the newest line";
         stepBack(bar);
         EXPECT_LT(bar->value(), newest);
     }},
    {"a long line wraps, so no bar runs across",
     [](PlayedGame&, QPlainTextEdit* memo) {
         EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
     }},
    {"Ctrl+Home goes to the first line, Ctrl+End back to the newest",
     [](PlayedGame&, QPlainTextEdit* memo) {
         QScrollBar* bar = memo->verticalScrollBar();
         const int newest = bar->value();
         QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
         EXPECT_EQ(bar->value(), 0);
         QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
         EXPECT_EQ(bar->value(), newest);
     }},
    {"its button closes it",
     [](PlayedGame& p, QPlainTextEdit*) {
         testing::click(p.child<QPushButton>(WindowId::NikkiDlg, "Button1"));
         EXPECT_FALSE(p.window(WindowId::NikkiDlg)->isVisible());
     }},
};

TEST(NikkiInputPaths, EachInputMovesOrClosesTheDiaryAsThePlayerMeans)
{
    for (const Path& path : Paths) {
        SCOPED_TRACE(path.name);
        PlayedGame played;
        played.game.state.TitlePending = false;
        for (int i = 0; i < 200; ++i)
            played.game.appendDiaryLine("　　歩いた。");
        played.game.appendDiaryLine(
            "　　長い道のりを歩いて、歩いて、また歩いて、ようやく国境の町が見えてきた。"
            "今日はここで休むことにしよう。");
        played.ui.show(WindowId::NikkiDlg);
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        path.check(played, played.child<QPlainTextEdit>(WindowId::NikkiDlg, "Memo1"));
    }
}

}  // namespace
}  // namespace korvalin

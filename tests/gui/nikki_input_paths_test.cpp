// Every way the player handles the diary window, through the window the
// program shows: its two scroll bars move the page, its button closes it.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

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

// A click on the arrow at the start of `bar` or at its end: a step back
// or on.
void clickArrow(QScrollBar* bar, bool end)
{
    ASSERT_TRUE(bar->isVisible());
    const bool across = bar->orientation() == Qt::Horizontal;
    const int along = end ? (across ? bar->width() : bar->height()) - 4 : 4;
    testing::click(bar, Qt::LeftButton,
                   across ? QPoint(along, bar->height() / 2) : QPoint(bar->width() / 2, along));
}

const Path Paths[] = {
    {"the vertical bar steps back through a long diary",
     [](PlayedGame&, QPlainTextEdit* memo) {
         QScrollBar* bar = memo->verticalScrollBar();
         const int newest = bar->value();
         ASSERT_GT(newest, 0) << "it opens at the newest line";
         clickArrow(bar, false);
         EXPECT_LT(bar->value(), newest);
     }},
    {"the horizontal bar brings a long line's end into view",
     [](PlayedGame&, QPlainTextEdit* memo) {
         QScrollBar* bar = memo->horizontalScrollBar();
         EXPECT_EQ(bar->value(), 0);
         clickArrow(bar, true);
         EXPECT_GT(bar->value(), 0);
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

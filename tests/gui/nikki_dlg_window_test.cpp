#include "services/nikki_dlg_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

class TNikkiDlgTest : public ::testing::Test {
protected:
    QString line(int i) { return memo->document()->findBlockByNumber(i).text(); }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    TNikkiDlg dlg{game, game.NikkiDlg};
    QPlainTextEdit* memo = dlg.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
};

TEST_F(TNikkiDlgTest, ShowsTheWholeDiaryBesideTheMainWindow)
{
    game.state.Namae = "虹子";
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("虹子日記"));
    const int screenWidth = dlg.screen()->geometry().width();
    // Placed by its frame, as the main window is, and ending at the screen's edge.
    const QRect besideTheMainWindow(470, 0, screenWidth - 470, 480);
    EXPECT_EQ(dlg.frameGeometry(), besideTheMainWindow);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->document()->blockCount(), 1500);
    EXPECT_EQ(line(1), QStringLiteral("1日目　（日本）"));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_FALSE(memo->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(memo->font().pixelSize(), 12);

    dlg.hide();
    dlg.move(10, 300);  // the player moved it away
    dlg.show();
    EXPECT_EQ(dlg.frameGeometry(), besideTheMainWindow);
}

TEST_F(TNikkiDlgTest, AnOpenWindowFollowsEveryLineAsItIsWritten)
{
    dlg.show();
    game.appendDiaryLine("　　東京に到着");
    EXPECT_EQ(line(5), QStringLiteral("　　東京に到着"));
    EXPECT_EQ(line(6), QStringLiteral("end"));
    game.appendDiaryNote("　　ﾋｯﾁﾊｲｸ成功");
    EXPECT_EQ(line(6), QStringLiteral("　　ﾋｯﾁﾊｲｸ成功"));
    EXPECT_EQ(line(7), QStringLiteral(" "));
    game.diary.put(1499, "最後");
    EXPECT_EQ(line(1499), QStringLiteral("最後"));
    EXPECT_EQ(memo->document()->blockCount(), 1500);
    EXPECT_EQ(line(4), QString()) << "other lines stay as they were";
}

TEST_F(TNikkiDlgTest, LinesWrittenWhileClosedShowOnOpening)
{
    dlg.show();
    dlg.hide();
    game.appendDiaryLine("　　ソウルに到着");
    dlg.show();
    EXPECT_EQ(line(5), QStringLiteral("　　ソウルに到着"));
}

TEST_F(TNikkiDlgTest, ARestartAndALoadedDiaryAreShownWhole)
{
    dlg.show();
    game.appendDiaryLine("　　東京に到着");
    game.diary.clearForRestart(game.state.dd);
    EXPECT_EQ(line(1), QString());
    EXPECT_EQ(line(5), QString());
    std::vector<std::string> loaded(1500, "x");
    game.diary.replaceAll(loaded);
    EXPECT_EQ(line(0), QStringLiteral("x"));
    EXPECT_EQ(line(1499), QStringLiteral("x"));
    EXPECT_EQ(memo->document()->blockCount(), 1500);
}

// A journey of weeks fills pages: the window opens at today's line, keeps
// up with the journey, and Ctrl+Home and Ctrl+End go to the first line and
// back to the newest.
TEST_F(TNikkiDlgTest, OpensAtTheNewestLineAndFollowsTheJourney)
{
    for (int i = 0; i < 200; ++i)
        game.appendDiaryLine("　　歩いた。");
    const auto newestShown = [this] {
        const int top = memo->cursorForPosition(QPoint(0, 0)).blockNumber();
        const int bottom =
            memo->cursorForPosition(QPoint(0, memo->viewport()->height() - 1)).blockNumber();
        return top <= game.state.dd && game.state.dd <= bottom;
    };
    dlg.show();
    EXPECT_TRUE(newestShown());
    EXPECT_TRUE(memo->hasFocus() || !QApplication::focusWidget());

    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(newestShown());
    QTest::keyClick(memo, Qt::Key_PageUp);
    EXPECT_FALSE(newestShown());

    for (int i = 0; i < 50; ++i)
        game.appendDiaryLine("　　また歩いた。");
    EXPECT_TRUE(newestShown());

    dlg.hide();
    game.appendDiaryLine("　　ソウルに到着");
    dlg.show();
    EXPECT_TRUE(newestShown());
}

// The page holds whole lines: it opens with the newest line whole at its
// foot and nothing of the line below it.
TEST_F(TNikkiDlgTest, ThePageEndsWithTheNewestLineWhole)
{
    for (int i = 0; i < 200; ++i)
        game.appendDiaryLine("　　歩いた。");
    dlg.show();
    const int foot = memo->viewport()->height() - 1;
    EXPECT_EQ(memo->cursorForPosition(QPoint(0, foot)).blockNumber(), game.state.dd);
    EXPECT_LE(memo->cursorRect().bottom(), foot);
}

// A line longer than the page is wide goes on below itself: its first and
// last letters are both on the page, in either language.
TEST_F(TNikkiDlgTest, ALongLineIsShownWhole)
{
    const char* lines[] = {
        "    Arrived in Seoul. A city as big as Tokyo. The Great East Gate looks like a palace "
        "from a fairy tale, and the markets around it never seem to sleep.",
        "　　ソウルに到着。東京並みの大都会だ。南大門はおとぎ話の宮殿のようで、まわりの市場は"
        "夜になっても眠らないらしい。",
    };
    for (const char* text : lines)
        game.appendDiaryLine(text);
    dlg.show();
    dlg.resize(300, dlg.height());
    QApplication::processEvents();
    for (int i = 0; i < 2; ++i) {
        const QTextBlock block = memo->document()->findBlockByNumber(game.state.dd - 1 + i);
        ASSERT_EQ(block.text(), QString::fromUtf8(lines[i]));
        QTextCursor cursor(block);
        EXPECT_TRUE(memo->viewport()->rect().contains(memo->cursorRect(cursor))) << i;
        cursor.movePosition(QTextCursor::EndOfBlock);
        EXPECT_TRUE(memo->viewport()->rect().contains(memo->cursorRect(cursor))) << i;
    }
}

TEST_F(TNikkiDlgTest, TheCloseButtonAsksTheModel)
{
    auto* button = dlg.findChild<QWidget*>(QStringLiteral("Button1"));
    ASSERT_NE(button, nullptr);
    QMetaObject::invokeMethod(button, "click");
    EXPECT_EQ(ui.count("close", "TNikkiDlg"), 1);
}

}  // namespace
}  // namespace korvalin

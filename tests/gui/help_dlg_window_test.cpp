#include "title/help_dlg_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "session/game.h"
#include "support/desktop_closes.h"
#include "support/fake_ports.h"
#include "support/in_english.h"
#include "title/help_pages.h"
#include "widgets/close_guard_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {
namespace {

void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    ASSERT_NE(widget, nullptr);
    const QPointF at(2, 2);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

class THelpDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui.onModal = [this](WindowId window) {
            if (window == WindowId::NamaeDlg) {
                game.NamaeDlg.Password = "虹子";
                game.NamaeDlg.OKBtnClick();
            }
        };
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QApplication::processEvents();
    }

    QLabel* label(const char* name) { return dlg.findChild<QLabel*>(QString::fromLatin1(name)); }
    QString text(const char* name) { return label(name)->text(); }

    void chooseCourse(const char* item)
    {
        auto* menu = dlg.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        ASSERT_NE(menu, nullptr);
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr);
        action->trigger();
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    THelpDlg dlg{game, game.HelpDlg};
};

TEST_F(THelpDlgTest, IsLaidOutAsTheTitleScreen)
{
    EXPECT_EQ(dlg.size(), QSize(480, 480));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Korvalin Help"));
    EXPECT_EQ(text("Label1"), QStringLiteral("Korvalin(v2.6)"));
    EXPECT_EQ(label("Label1")->pos(), QPoint(153, 120));
    EXPECT_EQ(label("Label2")->pos(), QPoint(79, 143));
    EXPECT_EQ(label("BodyLine9")->pos(), QPoint(79, 308));
    EXPECT_EQ(text("Label4"), QStringLiteral("Start"));
    EXPECT_TRUE(label("LevelLabel")->isVisible());
    EXPECT_EQ(label("Label5")->toolTip(), QStringLiteral("前回保存した位置からｽﾀｰﾄします"));
    EXPECT_EQ(label("LevelLabel")->toolTip(), QStringLiteral("右ｸﾘｯｸしてください"));
    EXPECT_EQ(label("Label4")->toolTip(), QStringLiteral("ｹﾞｰﾑのｽﾀｰﾄ、ｹﾞｰﾑへの復帰"));
    EXPECT_EQ(label("Label6")->toolTip(), QStringLiteral("前ページ"));
    EXPECT_EQ(label("Label7")->toolTip(), QStringLiteral("次ページ"));
}

// The picture is made on the first paint, not with the window.
TEST_F(THelpDlgTest, ThePictureIsBehindTheTextWhenPainted)
{
    EXPECT_NE(dlg.grab().toImage().pixelColor(5, 5), QColor(Qt::gray));
}

TEST_F(THelpDlgTest, StartWithoutACourseShowsTheRefusal)
{
    click(label("Label4"));
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "message");
}

TEST_F(THelpDlgTest, TheLevelPopupChoosesTheCourseAndStartWritesTheDiary)
{
    chooseCourse("K2");
    EXPECT_TRUE(game.state.Level2);
    EXPECT_EQ(game.state.yokin, 100000);
    click(label("Label4"));
    EXPECT_EQ(game.diary.get(1), "　　　虹子日記");
    EXPECT_EQ(ui.count("close", "THelpDlg"), 1);
}

TEST_F(THelpDlgTest, OnlyTheRightButtonOpensTheCoursePopup)
{
    auto* menu = dlg.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    click(label("LevelLabel"));
    EXPECT_FALSE(menu->isVisible());
    click(label("LevelLabel"), Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2]->text(), QStringLiteral("大貧民コース"));
    EXPECT_EQ(items[2]->toolTip(), QStringLiteral("これぞ究極のﾋｯﾁﾊｲｸ"));
}

TEST_F(THelpDlgTest, ThePageButtonsAndAContentsLineTurnThePages)
{
    click(label("Label7"));
    EXPECT_EQ(game.state.helppage, 2);
    EXPECT_EQ(text("Label1"), QString());
    EXPECT_EQ(text("Label9"), qtext(HelpPages[1].body[3]));
    click(label("Label6"));
    EXPECT_EQ(game.state.helppage, 1);
    click(label("Label13"));
    EXPECT_EQ(text("Label1"), QStringLiteral("目次"));
    EXPECT_EQ(text("Label14"), QStringLiteral("7: 地形"));
    click(label("Label14"));
    EXPECT_EQ(game.state.helppage, 35);
    EXPECT_EQ(text("Label1"), QStringLiteral("7: 地形"));
    click(label("Label14"));
    EXPECT_EQ(game.state.helppage, 35);
}

TEST_F(THelpDlgTest, DuringAGameItOffersOnlyClose)
{
    closeFromHandler(&dlg);
    game.state.Level1 = true;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QApplication::processEvents();
    EXPECT_EQ(text("Label4"), QStringLiteral("Close"));
    EXPECT_FALSE(label("LevelLabel")->isVisible());
}

TEST_F(THelpDlgTest, EscapeDoesNotCloseItButAHandlerDoes)
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(game.state.TitlePending);
    closeFromHandler(&dlg);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(game.state.TitlePending) << "closing runs FormClose";
}

// The window has a close box, which takes the path of its own Close: on the
// title screen it asks to end Korvalin, during a game it closes the window.
TEST_F(THelpDlgTest, TheCloseBoxTakesThePathOfItsOwnClose)
{
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
    const auto closes = testing::desktopCloses();
    for (const auto& [how, close] : closes) {
        ui.calls.clear();
        close(dlg);
        QApplication::processEvents();
        EXPECT_TRUE(dlg.isVisible()) << how;
        EXPECT_EQ(ui.count("requestMainWindowClose"), 1) << how;
    }
    game.state.Level1 = true;
    closeFromHandler(&dlg);
    dlg.show();
    QApplication::processEvents();
    for (const auto& [how, close] : closes) {
        ui.calls.clear();
        close(dlg);
        QApplication::processEvents();
        EXPECT_EQ(ui.count("close", "THelpDlg"), 1) << how;
    }
}

// Ending Korvalin from the title screen closes every window, this one too,
// though it refuses every other close.
TEST_F(THelpDlgTest, EndingTheProgramClosesItToo)
{
    QTimer::singleShot(0, [] { quitProgram(); });
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0) << "the window held the program open";
    EXPECT_FALSE(dlg.isVisible());
}

// In English, at the game's own font, every page's lines stay inside the
// dark panel and the bar's captions stand apart; the language choice, in
// the sky's corner, switches the window at once.
TEST(THelpDlgEnglishTest, EveryPageFitsItsPanelAndTheBarItsCaptions)
{
    const QFont previous = QApplication::font();
    QFont gothic(QStringLiteral("IPAPGothic"));
    gothic.setPixelSize(12);
    QApplication::setFont(gothic);
    InEnglish restoresJapanese;
    useLanguage(Language::Japanese, KORVALIN_CATALOGUES);
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    {
        THelpDlg dlg{game, game.HelpDlg};
        dlg.show();
        const auto label = [&dlg](const char* name) {
            return dlg.findChild<QLabel*>(QString::fromLatin1(name));
        };
        click(label("LanguageLabel"));
        // As the desktop tells every window of the switch.
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&dlg, &change);
        EXPECT_EQ(label("Label13")->text(), QStringLiteral("Topics"));
        EXPECT_EQ(label("LanguageLabel")->text(), QStringLiteral("日本語"));
        EXPECT_LE(label("LanguageLabel")->geometry().right(), THelpDlg::ClientSize);

        constexpr int PanelRight = 64 + 408 - 4;
        for (int page = 1; page <= HelpDlg::LastPage; ++page) {
            for (QLabel* line : dlg.findChildren<QLabel*>()) {
                if (line->y() > 140 && line->y() < 332) {
                    EXPECT_LE(line->x() + line->width(), PanelRight)
                        << "page " << page << ": " << line->text().toStdString();
                }
            }
            click(label("Label7"));
        }
        int right = 0;
        for (const char* name : {"Label5", "LevelLabel", "Label4", "Label13", "Label6", "Label7"}) {
            EXPECT_GT(label(name)->x(), right) << name;
            right = label(name)->geometry().right();
        }
    }
    QApplication::setFont(previous);
}

}  // namespace
}  // namespace korvalin

// Every way the player reaches the title screen and the name window it
// opens, through the widgets the program shows: the course popup on the
// right button, Start with and without a course, the name window's keys and
// close box, Load, and the language choice.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>

#include <gtest/gtest.h>

#include <functional>

#include "game/language.h"
#include "save/saved_game.h"
#include "support/played_game.h"
#include "title/help_dlg.h"

namespace korvalin {
namespace {

using testing::PlayedGame;

struct TitleScreen {
    PlayedGame& played;
    QWidget* help;
    QMenu* courses;

    explicit TitleScreen(PlayedGame& p)
        : played(p),
          help(p.window(WindowId::HelpDlg)),
          courses(help->findChild<QMenu*>(QStringLiteral("PopupMenu1")))
    {
    }

    QLabel* label(const char* name) const
    {
        return help->findChild<QLabel*>(QString::fromLatin1(name));
    }
    // A course as the player chooses one: the popup on the right button,
    // then a click on its item.
    void chooseCourse(int item)
    {
        testing::click(label("LevelLabel"), Qt::RightButton);
        ASSERT_TRUE(courses->isVisible());
        QAction* course = courses->actions().at(item);
        testing::click(courses, Qt::LeftButton, courses->actionGeometry(course).center());
    }
    // Start, with the modal window it opens answered by `answer`.
    std::vector<std::string> start(const std::function<void(QWidget*)>& answer)
    {
        testing::ModalAnswers answers;
        answers.next(answer);
        testing::click(label("Label4"));
        return answers.windows;
    }
    const GameState& state() const { return played.game.state; }
};

// The name typed key by key, as the player types it.
void typeName(QWidget* namae, const char* name)
{
    QTest::keyClicks(namae->findChild<QLineEdit*>(QStringLiteral("Password")),
                     QString::fromLatin1(name));
}

struct Path {
    const char* name;
    std::function<void(TitleScreen&)> check;
};

const Path Paths[] = {
    {"a left click on Level opens no popup",
     [](TitleScreen& t) {
         testing::click(t.label("LevelLabel"));
         EXPECT_FALSE(t.courses->isVisible());
     }},
    {"a right click on Level opens the courses, and a click chooses one",
     [](TitleScreen& t) {
         t.chooseCourse(1);
         EXPECT_FALSE(t.courses->isVisible());
         EXPECT_TRUE(t.state().Level2);
         EXPECT_EQ(t.state().yokin, 100000);
     }},
    {"Start without a course is refused in a box",
     [](TitleScreen& t) {
         testing::ModalAnswers answers;
         answers.nextBox(QMessageBox::Ok);
         testing::click(t.label("Label4"));
         EXPECT_EQ(answers.texts, std::vector<std::string>{std::string(HelpDlg::NoCourseMessage)});
         EXPECT_TRUE(t.help->isVisible());
     }},
    {"Start asks the name; Escape is no answer, Enter is",
     [](TitleScreen& t) {
         t.chooseCourse(2);
         bool stayedOpen = false;
         std::string nameAfterEscape = "?";
         const std::vector<std::string> asked = t.start([&](QWidget* namae) {
             typeName(namae, "Rin");
             QTest::keyClick(namae, Qt::Key_Escape);
             stayedOpen = namae->isVisible();
             nameAfterEscape = t.state().Namae;
             QTest::keyClick(namae, Qt::Key_Return);
         });
         EXPECT_EQ(asked, std::vector<std::string>{"TNamaeDlg"});
         EXPECT_TRUE(stayedOpen);
         EXPECT_EQ(nameAfterEscape, "");
         EXPECT_EQ(t.played.game.diary.get(1), "　　　Rin日記");
         EXPECT_EQ(t.played.game.diary.get(4), "　　金沢出発");
         EXPECT_FALSE(t.help->isVisible());
         EXPECT_FALSE(t.state().TitlePending);
     }},
    {"the name window's close box takes the name as OK does",
     [](TitleScreen& t) {
         t.chooseCourse(0);
         bool closedByTheBox = false;
         t.start([&](QWidget* namae) {
             typeName(namae, "Sora");
             testing::closeBox(namae);
             closedByTheBox = !namae->isVisible();
             if (!closedByTheBox)
                 QTest::keyClick(namae, Qt::Key_Return);
         });
         EXPECT_TRUE(closedByTheBox);
         EXPECT_EQ(t.state().Namae, "Sora");
         EXPECT_EQ(t.played.game.diary.get(1), "　　　Sora日記");
     }},
    {"Load without a saved game says so and the title stays",
     [](TitleScreen& t) {
         testing::ModalAnswers answers;
         answers.nextBox(QMessageBox::Ok);
         testing::click(t.label("Label5"));
         EXPECT_EQ(answers.texts, std::vector<std::string>{std::string(NoSavedGameMessage)});
         EXPECT_TRUE(t.help->isVisible());
         EXPECT_FALSE(t.played.window(WindowId::CapitalDlg)->isVisible());
     }},
    {"the language choice retitles every window, and back again",
     [](TitleScreen& t) {
         QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                            QString::fromStdString(t.played.folder.path().string()));
         testing::click(t.label("LanguageLabel"));
         EXPECT_EQ(t.label("Label13")->text(), QStringLiteral("Topics"));
         EXPECT_EQ(t.played.window(WindowId::BankDlg)->windowTitle(), QStringLiteral("Bank"));
         testing::click(t.label("LanguageLabel"));
         EXPECT_EQ(t.label("Label13")->text(), QStringLiteral("目次"));
         EXPECT_EQ(t.played.window(WindowId::BankDlg)->windowTitle(), QStringLiteral("銀行"));
     }},
};

TEST(TitleInputPaths, EachInputDoesWhatThePlayerMeansByIt)
{
    for (const Path& path : Paths) {
        SCOPED_TRACE(path.name);
        PlayedGame played;
        // Shown as a restart shows it, without waiting for it.
        played.ui.show(WindowId::HelpDlg);
        TitleScreen t(played);
        QApplication::processEvents();
        path.check(t);
    }
    // Japanese for the tests after, even if a switch back failed.
    useLanguage(Language::Japanese, KORVALIN_CATALOGUES);
}

}  // namespace
}  // namespace korvalin

// Every way the player leaves the two endings, through the windows the
// program shows: London's bar and the publish offer, the out-of-money
// window's Yes, and the keys and close box neither window answers.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

#include "journey/arrival_spots.h"
#include "support/played_game.h"

namespace korvalin {
namespace {

using testing::PlayedGame;

QLabel* label(PlayedGame& p, WindowId id, const char* name)
{
    return p.child<QLabel>(id, name);
}

// The title screen as a restart leaves it: offering a new start.
void expectTitleForANewStart(PlayedGame& p)
{
    EXPECT_TRUE(p.window(WindowId::HelpDlg)->isVisible());
    EXPECT_EQ(label(p, WindowId::HelpDlg, "Label4")->text(), QStringLiteral("Start"));
    EXPECT_TRUE(label(p, WindowId::HelpDlg, "LevelLabel")->isVisible());
    EXPECT_FALSE(p.game.state.Level1);
}

// Keys and the window manager's close leave `window` where it was.
void expectOnlyItsChoicesLeave(QWidget* window)
{
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible()) << "Escape";
    testing::closeBox(window);
    EXPECT_TRUE(window->isVisible()) << "the close box";
}

struct Path {
    const char* name;
    WindowId ending;
    std::function<void(PlayedGame&)> check;
};

const Path Paths[] = {
    {"London's もう一度 starts again at the title", WindowId::LondonDlg,
     [](PlayedGame& p) {
         testing::click(label(p, WindowId::LondonDlg, "Label5"));
         EXPECT_FALSE(p.window(WindowId::LondonDlg)->isVisible());
         expectTitleForANewStart(p);
     }},
    {"London's 終了 asks to end the game; Cancel stays in London", WindowId::LondonDlg,
     [](PlayedGame& p) {
         testing::ModalAnswers answers;
         answers.nextBox(QMessageBox::Cancel);
         testing::click(label(p, WindowId::LondonDlg, "Label6"));
         EXPECT_TRUE(testing::runUntil([&] { return !answers.texts.empty(); }));
         EXPECT_EQ(answers.texts, std::vector<std::string>{"Korvalinを終了しますか？"});
         EXPECT_TRUE(p.window(WindowId::LondonDlg)->isVisible());
     }},
    {"London keeps the map where the player chooses, then stops offering it", WindowId::LondonDlg,
     [](PlayedGame& p) {
         const QString path = QString::fromStdString((p.folder / "journey.png").string());
         testing::ModalAnswers answers;
         answers.next([&](QWidget* modal) {
             auto* dialog = qobject_cast<QFileDialog*>(modal);
             ASSERT_NE(dialog, nullptr);
             // The dialog offers its name once it has read its folder.
             auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
             testing::runUntil([&] { return !name->text().isEmpty(); });
             QApplication::processEvents();
             name->setText(path);
             testing::click(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save));
         });
         QLabel* keep = label(p, WindowId::LondonDlg, "Label9");
         ASSERT_TRUE(keep->isVisible());
         testing::click(keep);
         EXPECT_FALSE(QImage(path).isNull());
         EXPECT_FALSE(keep->isVisible());
     }},
    {"London offers the record's diary for print; Cancel closes the offer", WindowId::LondonDlg,
     [](PlayedGame& p) {
         QWidget* publish = p.window(WindowId::ShuppanDlg);
         ASSERT_TRUE(testing::runUntil([&] { return publish->isVisible(); }));
         testing::click(p.child<QPushButton>(WindowId::ShuppanDlg, "CancelBtn"));
         EXPECT_FALSE(publish->isVisible());
         EXPECT_FALSE(std::filesystem::exists(p.game.saveFiles.diary));
         EXPECT_TRUE(p.window(WindowId::LondonDlg)->isVisible());
     }},
    {"London answers no key and no close box", WindowId::LondonDlg,
     [](PlayedGame& p) { expectOnlyItsChoicesLeave(p.window(WindowId::LondonDlg)); }},
    {"out of money, Yes starts again at the title", WindowId::EndDlg,
     [](PlayedGame& p) {
         testing::click(p.child<QPushButton>(WindowId::EndDlg, "OKBtn"));
         EXPECT_FALSE(p.window(WindowId::EndDlg)->isVisible());
         expectTitleForANewStart(p);
     }},
    {"out of money answers no key and no close box", WindowId::EndDlg,
     [](PlayedGame& p) { expectOnlyItsChoicesLeave(p.window(WindowId::EndDlg)); }},
};

TEST(EndingsInputPaths, EachChoiceEndsTheJourneyAsThePlayerMeans)
{
    for (const Path& path : Paths) {
        SCOPED_TRACE(path.name);
        PlayedGame played;
        // A record arrival in London on the first course, celebrated now.
        GameState& s = played.game.state;
        s.TitlePending = false;
        s.Level1 = true;
        s.day = 150 * MinutesPerDay;
        s.MapX = static_cast<std::uint8_t>(LondonCell.x - 15);
        s.MapY = static_cast<std::uint8_t>(LondonCell.y - 14);
        s.londonf = false;
        played.ui.show(path.ending);
        QApplication::processEvents();
        path.check(played);
    }
}

}  // namespace
}  // namespace korvalin

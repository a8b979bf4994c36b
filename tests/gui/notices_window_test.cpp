// The name window, the publish window and the small notices: each button
// reaches its model and each window shows its model's texts.
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "services/about_box_window.h"
#include "services/chokko_dlg_window.h"
#include "services/lost_dlg_window.h"
#include "services/namae_dlg_window.h"
#include "services/shuppan_dlg_window.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

void press(QWidget* window, const char* button)
{
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

QStringList texts(QWidget* window)
{
    QStringList all;
    for (const QLabel* label : window->findChildren<QLabel*>())
        all.append(label->text());
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        all.append(button->text());
    return all;
}

class NoticesTest : public ::testing::Test {
protected:
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
};

// Typed through the input method, as Japanese is.
TEST_F(NoticesTest, TheNameWindowStoresWhatWasTypedOnOk)
{
    TNamaeDlg dlg(game, game.NamaeDlg);
    dlg.show();
    auto* edit = dlg.findChild<QLineEdit*>(QStringLiteral("Password"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->testAttribute(Qt::WA_InputMethodEnabled));
    edit->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("虹子"));
    QApplication::sendEvent(edit, &typed);
    press(&dlg, "OKBtn");
    EXPECT_EQ(game.state.Namae, "虹子");
    EXPECT_EQ(ui.count("close", "TNamaeDlg"), 1);
    EXPECT_TRUE(texts(&dlg).contains(QStringLiteral("あなたの名前を入力してください")));
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
}

// "Zoë" is offered as "Zoe": No leaves the name as typed in the box, Yes
// takes the plain letters.
TEST_F(NoticesTest, TheNameWindowOffersANameWithAccentsInPlainLetters)
{
    TNamaeDlg dlg(game, game.NamaeDlg);
    dlg.show();
    auto* edit = dlg.findChild<QLineEdit*>(QStringLiteral("Password"));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("Zoë"));
    QApplication::sendEvent(edit, &typed);
    ui.answers = {false, true};
    press(&dlg, "OKBtn");
    EXPECT_EQ(ui.count("confirm"), 1);
    EXPECT_EQ(ui.count("close", "TNamaeDlg"), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("Zoë"));
    press(&dlg, "OKBtn");
    EXPECT_EQ(game.state.Namae, "Zoe");
    EXPECT_EQ(ui.count("close", "TNamaeDlg"), 1);
}

TEST_F(NoticesTest, TheNameWindowOffersThePreviousName)
{
    TNamaeDlg dlg(game, game.NamaeDlg);
    game.NamaeDlg.Password = "前の名前";
    dlg.show();
    EXPECT_EQ(dlg.findChild<QLineEdit*>(QStringLiteral("Password"))->text(),
              QStringLiteral("前の名前"));
}

TEST_F(NoticesTest, ThePublishWindowShowsTheOfferAndPrintsOnOk)
{
    testing::TempDir dir;
    game.saveFiles.diary = dir / "Nikki.txt";
    game.state.Namae = "虹子";
    TShuppanDlg dlg(game, game.ShuppanDlg);
    dlg.show();
    EXPECT_EQ(dlg.geometry(), QRect(84, 335, 316, 115));
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(texts(&dlg).contains(QStringLiteral("虹子日記を出版（印刷）しますか？")));
    press(&dlg, "OKBtn");
    EXPECT_EQ(ui.printed.size(), 5u);
    EXPECT_TRUE(texts(&dlg).contains(QStringLiteral("出版の準備をしています。")));
    EXPECT_EQ(ui.count("close", "TShuppanDlg"), 1);
}

TEST_F(NoticesTest, ThePublishWindowsCancelPrintsNothing)
{
    TShuppanDlg dlg(game, game.ShuppanDlg);
    dlg.show();
    press(&dlg, "CancelBtn");
    EXPECT_TRUE(ui.printed.empty());
    EXPECT_EQ(ui.count("close", "TShuppanDlg"), 1);
}

TEST_F(NoticesTest, ThePassportNoticeVoidsTheVisaOnOk)
{
    TLostDlg dlg(game, game.LostDlg);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("ﾊﾟｽﾎﾟｰﾄ紛失"));
    EXPECT_TRUE(
        texts(&dlg).contains(QStringLiteral("至急、首都にある日本大使館に行ってください。")));
    game.state.visaToGet = false;
    press(&dlg, "OKBtn");
    EXPECT_TRUE(game.state.visaToGet);
    EXPECT_EQ(ui.count("close", "TLostDlg"), 1);
}

TEST_F(NoticesTest, TheCapitalNoticeAndTheVersionWindowCloseOnOk)
{
    TChokkoDlg chokko(game, game.ChokkoDlg);
    EXPECT_TRUE(texts(&chokko).contains(QStringLiteral("首都へ直行してください")));
    press(&chokko, "OKBtn");
    TAboutBox about(game, game.AboutBox);
    EXPECT_TRUE(texts(&about).contains(QStringLiteral("Korvalin（V2.5）")));
    EXPECT_TRUE(texts(&about).contains(QStringLiteral("1997/11/10")));
    press(&about, "OKButton");
    EXPECT_EQ(ui.count("close", "TChokkoDlg"), 1);
    EXPECT_EQ(ui.count("close", "TAboutBox"), 1);
}

}  // namespace
}  // namespace korvalin

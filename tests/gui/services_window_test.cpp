// The windows of the city services: a click reaches the model, and what
// they show follows it.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "services/arbeit_dlg_window.h"
#include "services/bank_dlg_window.h"
#include "services/denpo_dlg_window.h"
#include "services/jusin_dlg_window.h"
#include "services/kaimono_dlg_window.h"
#include "services/sosin_dlg_window.h"
#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

template <typename T>
T* child(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Typed key by key, as the player does.
void type(QWidget* box, const QString& keys)
{
    for (QChar key : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(box, &press);
    }
}

class ServiceWindows : public ::testing::Test {
protected:
    ServiceWindows() { game.state.yen = 100000; }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
};

TEST_F(ServiceWindows, TheDaysBoxTakesDigitsOnly)
{
    game.state.arbeitno = 1;
    TArbeitDlg dlg(game, game.ArbeitDlg);
    dlg.show();
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(child<QLabel>(dlg, "Label1")->text(), QStringLiteral("ウェイター 1000円/日"));
    auto* days = child<QLineEdit>(dlg, "Edit1");
    EXPECT_FALSE(days->testAttribute(Qt::WA_InputMethodEnabled));
    type(days, QStringLiteral("a3x"));
    EXPECT_EQ(days->text(), QStringLiteral("3"));
    child<QPushButton>(dlg, "Button1")->click();
    EXPECT_EQ(game.state.yen, 103000);
    EXPECT_EQ(ui.count("close", "TArbeitDlg"), 1);
}

TEST_F(ServiceWindows, TheShopShowsItsRowsAndBuysTheClickedOne)
{
    TKaimonoDlg dlg(game, game.KaimonoDlg);
    dlg.show();
    EXPECT_TRUE(child<QRadioButton>(dlg, "KaimonoButton6")->isHidden());
    child<QRadioButton>(dlg, "KaimonoButton2")->click();
    EXPECT_TRUE(game.KaimonoDlg.KaimonoButtons[1].Checked);
    child<QRadioButton>(dlg, "KaimonoButton3")->click();
    EXPECT_FALSE(child<QRadioButton>(dlg, "KaimonoButton2")->isChecked());
    child<QPushButton>(dlg, "OKBtn")->click();
    EXPECT_TRUE(game.state.HaveHuku);
    EXPECT_EQ(ui.count("close", "TKaimonoDlg"), 1);
}

TEST_F(ServiceWindows, TheBankAndTheTelegramOfficeFollowTheirModels)
{
    game.state.yokin = 5000;
    TBankDlg bank(game, game.BankDlg);
    bank.show();
    EXPECT_EQ(child<QLabel>(bank, "Label2")->text(), QStringLiteral("5000円"));
    child<QPushButton>(bank, "OKBtn")->click();
    EXPECT_EQ(game.state.yen, 105000);

    TDenpoDlg office(game, game.DenpoDlg);
    office.show();
    child<QRadioButton>(office, "DenpoButton2")->click();
    child<QPushButton>(office, "OKBtn")->click();
    EXPECT_EQ(ui.count("show", "TSosinDlg"), 1);

    TSosinDlg sending(game, game.SosinDlg);
    sending.show();
    EXPECT_FALSE(child<QRadioButton>(sending, "SosinButton3")->isEnabled());
}

// Shown again after being closed by the window manager, the answer is not
// credited a second time.
TEST_F(ServiceWindows, TheAnswerIsBookedOncePerShowing)
{
    game.state.jusin2 = true;
    game.state.yokin = 0;
    TJusinDlg dlg(game, game.JusinDlg);
    dlg.show();
    const QString first = child<QLabel>(dlg, "Label1")->text();
    const int yokin = game.state.yokin;
    dlg.close();
    dlg.show();
    EXPECT_EQ(first, QStringLiteral("次の電報が届いています。"));
    EXPECT_EQ(child<QLabel>(dlg, "Label1")->text(), QStringLiteral("電報は届いていません"));
    EXPECT_EQ(game.state.yokin, yokin);
}

}  // namespace
}  // namespace korvalin

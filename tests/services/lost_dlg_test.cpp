#include "services/lost_dlg.h"

#include <gtest/gtest.h>

#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

TEST(LostDlg, OkVoidsAVisaObtainedInThisCapital)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    // The visa was obtained: the button went, one destination was settled
    // and the shop offers its sixth row.
    game.CapitalDlg.Button7Visible = false;
    for (auto& button : game.CapitalDlg.RadioButtons)
        button.Enabled = false;
    game.CapitalDlg.RadioButtons[2].Enabled = true;
    game.CapitalDlg.RadioButtons[2].Checked = true;
    game.KaimonoDlg.KaimonoButton6Visible = true;

    game.LostDlg.OKBtnClick();

    EXPECT_TRUE(game.CapitalDlg.Button7Visible);
    for (const auto& button : game.CapitalDlg.RadioButtons)
        EXPECT_TRUE(button.Enabled);
    EXPECT_FALSE(game.KaimonoDlg.KaimonoButton6Visible);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "close");
    EXPECT_EQ(ui.calls[0].detail, "TLostDlg");
}

// Reached before its OK, the capital screen opens with the notice gone
// and the visa already void, so the leg the screen keeps is the voided one.
TEST(LostDlg, TheCapitalScreenAnswersANoticeStillOpen)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.state.lostf = true;
    game.CapitalDlg.Button7Visible = false;
    game.CapitalDlg.FormShow();
    EXPECT_EQ(ui.count("close", "TLostDlg"), 1);
    EXPECT_TRUE(game.CapitalDlg.Button7Visible);

    game.state.lostf = false;
    game.CapitalDlg.FormShow();
    EXPECT_EQ(ui.count("close", "TLostDlg"), 1);
}

TEST(Notices, OkClosesTheirOwnWindow)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.ChokkoDlg.OKBtnClick();
    game.AboutBox.OKButtonClick();
    game.NikkiDlg.Button1Click();
    EXPECT_EQ(ui.count("close", "TChokkoDlg"), 1);
    EXPECT_EQ(ui.count("close", "TAboutBox"), 1);
    EXPECT_EQ(ui.count("close", "TNikkiDlg"), 1);
    EXPECT_EQ(ui.calls.size(), 3u);
}

}  // namespace
}  // namespace korvalin

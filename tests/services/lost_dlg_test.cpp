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
    // The visa was obtained: the button went and one destination was settled.
    game.state.visaToGet = false;
    game.state.visaFor = 3;
    game.state.destination = 3;

    game.LostDlg.OKBtnClick();

    EXPECT_TRUE(game.state.visaToGet);
    for (int k = 1; k <= DestinationButtonCount; ++k)
        EXPECT_TRUE(game.CapitalDlg.destinationEnabled(k)) << k;
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
    game.state.visaToGet = false;
    game.CapitalDlg.FormShow();
    EXPECT_EQ(ui.count("close", "TLostDlg"), 1);
    EXPECT_TRUE(game.state.visaToGet);

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
    game.NikkiDlg.closeDiary();
    EXPECT_EQ(ui.count("close", "TChokkoDlg"), 1);
    EXPECT_EQ(ui.count("close", "TAboutBox"), 1);
    EXPECT_EQ(ui.count("close", "TNikkiDlg"), 1);
    EXPECT_EQ(ui.calls.size(), 3u);
}

}  // namespace
}  // namespace korvalin

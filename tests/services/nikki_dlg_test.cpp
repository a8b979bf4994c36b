#include "services/nikki_dlg.h"

#include <gtest/gtest.h>

#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

class NikkiDlgTest : public ::testing::Test {
protected:
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    NikkiDlg& nikki = game.NikkiDlg;
};

struct ScreenCase {
    int screenWidth;
    int width;
};

class NikkiDlgPlacement : public NikkiDlgTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(NikkiDlgPlacement, FillsTheScreenBesideTheMainWindow)
{
    nikki.FormShow(GetParam().screenWidth);
    const NikkiDlg::Bounds expected{
        .Left = 470, .Top = 0, .Width = GetParam().width, .Height = 480};
    EXPECT_EQ(nikki.Geometry, expected);
}

INSTANTIATE_TEST_SUITE_P(NikkiDlg, NikkiDlgPlacement,
                         ::testing::Values(ScreenCase{640, 170}, ScreenCase{800, 330},
                                           ScreenCase{1024, 554}, ScreenCase{1920, 1450},
                                           ScreenCase{400, 0}));

TEST_F(NikkiDlgTest, IsCaptionedWithThePlayersName)
{
    game.state.Namae = "虹子";
    nikki.FormShow(1024);
    EXPECT_EQ(nikki.Caption, "虹子日記");
}

TEST_F(NikkiDlgTest, ShowingItAgainPutsItBackBesideTheMainWindow)
{
    nikki.FormShow(1024);
    nikki.Geometry = {.Left = 10, .Top = 300, .Width = 200, .Height = 100};  // moved by the player
    game.state.Namae = "二郎";
    nikki.FormShow(1024);
    EXPECT_EQ(nikki.Geometry,
              (NikkiDlg::Bounds{.Left = 470, .Top = 0, .Width = 554, .Height = 480}));
    EXPECT_EQ(nikki.Caption, "二郎日記");
}

}  // namespace
}  // namespace korvalin

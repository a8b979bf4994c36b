// The shop and the pawn shop: prices, refusals, the cities' own goods and
// what the goods change.
#include <gtest/gtest.h>

#include <limits>

#include "game/loss_divisor.h"
#include "services/services_fixture.h"

namespace korvalin {
namespace {

class Shops : public testing::ServicesTest {
protected:
    void buy(int row)
    {
        game.KaimonoDlg.FormActivate();
        game.KaimonoDlg.KaimonoButtonClick(row);
        game.KaimonoDlg.OKBtnClick();
    }

    void sell(std::initializer_list<int> rows)
    {
        game.SitiyaDlg.FormActivate();
        for (int row : rows)
            game.SitiyaDlg.SitiyaButtonClick(row);
        game.SitiyaDlg.OKBtnClick();
    }

    bool mapButton() { return game.CapitalDlg.actionEnabled(9); }
};

TEST_F(Shops, BuyingTheMapOpensTheWorldMap)
{
    s.yen = 7000;
    ASSERT_FALSE(mapButton());
    buy(1);
    EXPECT_EQ(s.yen, 2000);
    EXPECT_TRUE(s.buy && s.HaveMap && mapButton());
    EXPECT_EQ(lastLine(), "　　何しろ右も左も分からないんで、取りあえず地図を買う。");
    EXPECT_EQ(ui.count("close", "TKaimonoDlg"), 1);
    EXPECT_EQ(ui.count("message"), 0);
}

TEST_F(Shops, NotEnoughMoneyKeepsTheShopOpen)
{
    s.yen = 4000;
    buy(4);
    EXPECT_EQ(ui.count("message", KaimonoDlg::NoMoneyMessage), 1);
    EXPECT_EQ(s.yen, 4000);
    EXPECT_FALSE(s.buy || s.HaveCard);
    EXPECT_EQ(ui.count("close"), 0);
}

// The map with the diary includes the map; a row left checked from the last
// purchase buys nothing once its good is owned.
TEST_F(Shops, OwnedGoodsCannotBeBoughtAgain)
{
    buy(5);
    ASSERT_TRUE(s.Nikki);
    const int yen = s.yen;
    game.KaimonoDlg.FormActivate();
    EXPECT_FALSE(game.KaimonoDlg.KaimonoButtons[0].Enabled);
    EXPECT_FALSE(game.KaimonoDlg.KaimonoButtons[4].Enabled);
    game.KaimonoDlg.OKBtnClick();
    EXPECT_EQ(s.yen, yen);
}

TEST_F(Shops, TheSixthRowOnlyInItsCity)
{
    inCity("フィリピン共和国首都マニラ");
    game.KaimonoDlg.FormActivate();
    EXPECT_TRUE(game.KaimonoDlg.KaimonoButton6Visible);
    EXPECT_EQ(game.KaimonoDlg.KaimonoButtons[5].Caption, "シンガポールの獅子像・・・1000円");
    inCity("大韓民国首都ソウル");
    game.KaimonoDlg.FormActivate();
    EXPECT_FALSE(game.KaimonoDlg.KaimonoButton6Visible);

    // The belly-band only while not owned; its x4 stops at the journey's cap.
    inCity("中華人民共和国　上海");
    s.kk = 64;
    buy(6);
    EXPECT_EQ(s.kk, MaxLossDivisor);
    game.KaimonoDlg.FormActivate();
    EXPECT_FALSE(game.KaimonoDlg.KaimonoButton6Visible);
}

TEST_F(Shops, TheHorseIsPraisedAfterTheShopCloses)
{
    inCity("朝鮮民主主義人民共和国首都ピョンヤン");
    buy(6);
    ASSERT_TRUE(s.HaveUma);
    ASSERT_GE(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[ui.calls.size() - 2].what, "close");
    EXPECT_EQ(ui.calls.back().detail, KaimonoDlg::HorseMessage);
}

TEST_F(Shops, SellingSeveralGoodsAtOnce)
{
    s.yen = 0;
    s.HaveMap = s.HaveCard = true;
    const int dd = s.dd;
    sell({1, 4});
    EXPECT_EQ(s.yen, 10000);
    EXPECT_EQ(s.dd, dd + 2);
    EXPECT_FALSE(s.HaveMap || s.HaveCard || mapButton());
    EXPECT_EQ(ui.count("close", "TSitiyaDlg"), 1);
}

// With both maps, selling one leaves the other to look at.
TEST_F(Shops, TheMapButtonFollowsTheMapStillOwned)
{
    s.HaveMap = s.Nikki = true;
    sell({1});
    EXPECT_TRUE(mapButton());
    sell({5});
    EXPECT_FALSE(mapButton());
}

TEST_F(Shops, ASouvenirFetchesItsPriceInOneCityOnly)
{
    s.HaveLion = true;
    inCity("フィリピン共和国首都マニラ");
    game.SitiyaDlg.FormActivate();
    EXPECT_FALSE(game.SitiyaDlg.SitiyaButton6Visible);
    inCity("シンガポール共和国首都シンガポール");
    s.yen = std::numeric_limits<std::int32_t>::max() - 1000;
    sell({6});
    EXPECT_FALSE(s.HaveLion);
    EXPECT_EQ(s.yen, std::numeric_limits<std::int32_t>::max());  // never wraps
    s.yen = 0;
    s.HaveLion = true;
    sell({6});
    EXPECT_EQ(s.yen, 120000);
}

}  // namespace
}  // namespace korvalin

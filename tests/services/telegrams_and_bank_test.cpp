// The bank, sending a telegram home and reading the answer.
#include <gtest/gtest.h>

#include <limits>

#include "journey/borders_and_arrivals.h"
#include "services/services_fixture.h"

namespace korvalin {
namespace {

using testing::Japan;
using testing::Korea;

class TelegramsAndBank : public testing::ServicesTest {
protected:
    void send(int k)
    {
        game.SosinDlg.FormActivate();
        game.SosinDlg.SosinButtonClick(k);
        game.SosinDlg.OKBtnClick();
    }
};

TEST_F(TelegramsAndBank, CourseMoneyInTokyoComesWithARemark)
{
    useMap(testing::TestMap().set(239, 119, Japan));
    s.yen = 0;
    s.yokin = 100000;
    game.BankDlg.FormActivate();
    EXPECT_EQ(game.BankDlg.Lines[1], "100000円");
    game.BankDlg.OKBtnClick();
    EXPECT_EQ(s.yen, 100000);
    EXPECT_EQ(s.yokin, 0);
    EXPECT_EQ(line(s.dd - 1), "　　銀行で100000円受け取る。");
    EXPECT_EQ(lastLine(), "　　10万か、まあいいか。");
    EXPECT_EQ(ui.count("close", "TBankDlg"), 1);
}

// Nothing waiting still writes its line; a fortune never wraps to a debt.
TEST_F(TelegramsAndBank, CollectingEmptyAndHugeAccounts)
{
    s.yokin = 0;
    game.BankDlg.FormActivate();
    EXPECT_EQ(game.BankDlg.Lines[0], "入金されていません");
    const int dd = s.dd;
    game.BankDlg.OKBtnClick();
    EXPECT_EQ(s.dd, dd + 1);
    EXPECT_EQ(lastLine(), "　　銀行で0円受け取る。");
    s.yen = std::numeric_limits<std::int32_t>::max() - 10;
    s.yokin = 100000;
    game.BankDlg.OKBtnClick();
    EXPECT_EQ(s.yen, std::numeric_limits<std::int32_t>::max());
}

TEST_F(TelegramsAndBank, OneTelegramPerStayEvenAnEmptyOne)
{
    s.yen = 1000;
    game.DenpoDlg.DenpoButtonClick(2);
    game.DenpoDlg.OKBtnClick();
    EXPECT_EQ(ui.count("show", "TSosinDlg"), 1);
    game.SosinDlg.OKBtnClick();  // no text chosen
    EXPECT_EQ(s.yen, 1000);
    EXPECT_FALSE(s.sosin1 || s.sosin2 || s.sosin3);

    ui.calls.clear();
    game.DenpoDlg.OKBtnClick();
    EXPECT_EQ(ui.count("show", "TSosindDlg"), 1);
    EXPECT_EQ(ui.count("close", "TDenpoDlg"), 0);
}

TEST_F(TelegramsAndBank, TheAnswerWaitsForTheNextBorderAndIsCreditedOnce)
{
    s.yen = 30;
    send(2);
    EXPECT_EQ(s.yen, -20);  // charged even when short
    EXPECT_EQ(lastLine(), "　　実家に金の無心の電報を打った。");
    game.JusinDlg.FormShow();
    EXPECT_EQ(game.JusinDlg.Label1Caption, "電報は届いていません");

    s.leg.PN = Korea;
    useMap(testing::TestMap().set(hikerX(), hikerY(), Korea));
    checkBorderCrossing(game);
    ASSERT_TRUE(s.jusin2);

    s.yokin = 0;
    nextDraw(10, 8);  // "1000円送る。"
    game.JusinDlg.FormShow();
    EXPECT_EQ(game.JusinDlg.Label2Caption, "1000円送る。");
    EXPECT_EQ(lastLine(), "　　送金1000円か。しけてやがる。");
    EXPECT_EQ(s.yokin, 1000);
    // Closed other than by OK, then opened again: no second credit.
    game.JusinDlg.FormShow();
    EXPECT_EQ(game.JusinDlg.Label1Caption, "電報は届いていません");
    EXPECT_EQ(s.yokin, 1000);
}

TEST_F(TelegramsAndBank, ThePassportAnswerComesAfterSevenDays)
{
    s.lostf = true;
    s.day = 50000;
    send(3);
    EXPECT_EQ(s.dayp, 50000);
    EXPECT_FALSE(game.SosinDlg.SosinButtons[2].Enabled);

    s.day = 50000 + 10079;
    game.JusinDlg.FormShow();
    EXPECT_EQ(game.JusinDlg.Label1Caption, "電報は届いていません");

    s.day = 50000 + 10080;
    s.yokin = 0;
    nextDraw(10, 1);
    game.JusinDlg.FormShow();
    EXPECT_EQ(game.JusinDlg.Label2Caption, "だからいわんこっちゃない。2万円送る。");
    EXPECT_EQ(s.yokin, 20000);
    EXPECT_TRUE(s.jusin3);
    game.JusinDlg.FormShow();
    EXPECT_EQ(s.yokin, 20000);
    game.JusinDlg.OKBtnClick();
    EXPECT_FALSE(s.jusin3);
}

// The greeting has priority; the money answer due with it is lost.
TEST_F(TelegramsAndBank, OnlyOneAnswerIsShownAndBothAreGone)
{
    s.jusin1 = true;
    s.jusin2 = true;
    nextDraw(10, 9);
    game.JusinDlg.FormShow();
    EXPECT_EQ(game.JusinDlg.Label2Caption, "めざせ、ロンドン！");
    game.JusinDlg.OKBtnClick();
    EXPECT_FALSE(s.jusin1 || s.jusin2);
}

}  // namespace
}  // namespace korvalin

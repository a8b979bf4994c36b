// Every text of the bank, the telegrams, the job, the shop and the pawn
// shop must be writable in Shift-JIS and come back unchanged: the fixed
// texts, the tables and the diary lines the handlers write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/arbeit_jobs.h"
#include "services/goods.h"
#include "services/services_fixture.h"
#include "services/telegram_replies.h"
#include "support/shift_jis.h"

namespace korvalin {
namespace {

using testing::Japan;

std::vector<std::string_view> fixedTexts()
{
    // clang-format off
    std::vector<std::string_view> texts = {
        BankDlg::NothingDeposited, BankDlg::Deposited, BankDlg::Question, BankDlg::OkCaption,
        BankDlg::CancelCaption, DenpoDlg::OnceOnlyNotice, SosinDlg::Prompt, JusinDlg::Arrived,
        JusinDlg::NoneArrived, ArbeitDlg::Question, ArbeitDlg::DaysUnit, ArbeitDlg::CancelCaption,
        ArbeitDlg::NoDaysMessage, ArbeitDlg::NotANumberMessage, ArbeitDlg::TooManyDaysMessage,
        ArbeitDlg::TenDaysMessage, ArbeitDlg::NoMoreWorkMessage, KaimonoDlg::Question,
        KaimonoDlg::OneOnly, KaimonoDlg::NoMoneyMessage, KaimonoDlg::HorseMessage,
        SitiyaDlg::Question, SitiyaDlg::AnyNumber,
    };
    // clang-format on
    for (const auto* replies : {&PassportReplies, &GreetingReplies, &MoneyReplies}) {
        for (const TelegramReply& reply : *replies) {
            texts.push_back(reply.text);
            texts.push_back(reply.diaryLine);
        }
    }
    auto addGood = [&texts](const Good& good) {
        texts.push_back(good.caption);
        texts.push_back(good.diaryLine);
    };
    for (const ShopGood& g : ShopGoods) {
        addGood(g.good);
        texts.push_back(g.hint);
    }
    for (const Good& g : PawnGoods)
        addGood(g);
    auto addCityGoods = [&](const auto& goods) {
        for (const CityGood& g : goods) {
            texts.push_back(g.city);
            addGood(g.good);
        }
    };
    addCityGoods(ShopCityGoods);
    addCityGoods(PawnCityGoods);
    GameState state;
    for (bool clothes : {false, true}) {
        state.HaveHuku = clothes;
        for (std::uint8_t job = 0; job < 10; ++job) {
            state.arbeitno = job;
            texts.push_back(arbeitJob(state).caption);
            texts.push_back(arbeitJob(state).diaryLine);
        }
    }
    return texts;
}

class ServiceTexts : public testing::ServicesTest {};

TEST_F(ServiceTexts, AllRoundTripThroughShiftJis)
{
    for (std::string_view text : fixedTexts())
        expectShiftJisRoundTrip(text);
    for (const Choice& choice : game.SosinDlg.SosinButtons)
        expectShiftJisRoundTrip(choice.Caption);
    for (const Choice& choice : game.DenpoDlg.DenpoButtons)
        expectShiftJisRoundTrip(choice.Caption);

    // The lines the handlers put together: the bank's in Japan, each telegram
    // sent, the office with nothing, the wages.
    useMap(testing::TestMap().set(239, 119, Japan));
    for (int amount : {200000, 100000, 50000}) {
        s.yokin = amount;
        game.BankDlg.OKBtnClick();
    }
    s.lostf = true;
    for (int k = 1; k <= 3; ++k) {
        game.SosinDlg.FormActivate();
        game.SosinDlg.SosinButtonClick(k);
        game.SosinDlg.OKBtnClick();
    }
    game.JusinDlg.FormShow();
    game.ArbeitDlg.Edit1Text = "3";
    game.ArbeitDlg.takeJob();
    for (int i = 5; i <= s.dd; ++i)
        expectShiftJisRoundTrip(line(i));
}

}  // namespace
}  // namespace korvalin

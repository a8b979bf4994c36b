// The services in English: what each window shows and every line they
// write in the diary, kept byte for byte in english_services.golden beside
// this file (rewrite it with KORVALIN_UPDATE_GOLDEN=1 after a deliberate
// change, and read the diff). Their texts' Shift-JIS is the catalogue
// test's, the bank's sum the English journeys'.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "services/about_box.h"
#include "services/goods.h"
#include "services/services_fixture.h"
#include "support/golden_file.h"
#include "support/in_english.h"

namespace korvalin {
namespace {

using testing::Japan;

class EnglishServices : public testing::ServicesTest {
protected:
    void window(std::string_view name) { listing_ += "\n[" + std::string(name) + "]\n"; }

    void put(std::string_view text)
    {
        for (char c : text)
            listing_ += c == '\n' ? std::string("\\n") : std::string(1, c);
        listing_ += '\n';
    }

    void fixed(std::initializer_list<std::string_view> japanese)
    {
        for (std::string_view text : japanese)
            put(tr(text));
    }

    template <std::size_t N>
    void boxes(const std::array<Choice, N>& choices, bool lastVisible = true)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (i + 1 < N || lastVisible)
                put(choices[i].Caption);
        }
    }

    // The diary lines and boxes of the handlers run since the last call.
    void written()
    {
        for (; linesSeen_ < s.dd; ++linesSeen_)
            put("diary: " + line(linesSeen_ + 1));
        for (; callsSeen_ < ui.calls.size(); ++callsSeen_) {
            const auto& call = ui.calls[callsSeen_];
            if (call.what == "message" || call.what == "warning")
                put(call.what + ": " + call.detail);
        }
    }

    void bank()
    {
        window("TBankDlg");
        fixed({BankDlg::OkCaption, BankDlg::CancelCaption});
        s.yokin = 0;
        game.BankDlg.FormActivate();
        for (const std::string& text : game.BankDlg.Lines)
            put(text);
        useMap(testing::TestMap().set(239, 119, Japan));
        for (const BankDlg::CourseMoneyRemark& remark : BankDlg::CourseMoneyRemarks) {
            s.yokin = remark.amount;
            game.BankDlg.FormActivate();
            for (const std::string& text : game.BankDlg.Lines)
                put(text);
            game.BankDlg.OKBtnClick();
            written();
        }
    }

    void telegrams()
    {
        window("TDenpoDlg");
        fixed({DenpoDlg::OkCaption, DenpoDlg::CancelCaption});
        game.DenpoDlg.FormActivate();
        boxes(game.DenpoDlg.DenpoButtons);
        window("TSosindDlg");
        fixed({DenpoDlg::OnceOnlyNotice, DenpoDlg::OkCaption});

        window("TSosinDlg");
        fixed({SosinDlg::Prompt, SosinDlg::OkCaption, SosinDlg::CancelCaption});
        s.lostf = true;
        for (int k = 1; k <= 3; ++k) {
            game.SosinDlg.FormActivate();
            if (k == 1)
                boxes(game.SosinDlg.SosinButtons);
            game.SosinDlg.SosinButtonClick(k);
            game.SosinDlg.OKBtnClick();
            written();
        }

        window("TJusinDlg");
        fixed({JusinDlg::OkCaption});
        s.sosin3 = false;
        game.JusinDlg.FormShow();
        answer();
        for (int table = 0; table < 3; ++table) {
            for (std::uint32_t draw = 0; draw < 10; ++draw) {
                s.jusin1 = table == 0;
                s.jusin2 = table == 1;
                s.sosin3 = table == 2;
                s.dayp = s.day - JusinDlg::PassportAnswerDelay;
                nextDraw(10, draw);
                game.JusinDlg.FormShow();
                answer();
            }
        }
    }

    void answer()
    {
        put(game.JusinDlg.Label1Caption);
        put(game.JusinDlg.Label2Caption);
        written();
    }

    void job()
    {
        window("TArbeitDlg");
        fixed({ArbeitDlg::Question, ArbeitDlg::DaysUnit, ArbeitDlg::OkCaption,
               ArbeitDlg::CancelCaption});
        s.lostf = false;
        for (bool clothes : {false, true}) {
            s.HaveHuku = clothes;
            for (std::uint8_t job = 0; job < 10; ++job) {
                s.arbeitno = job;
                game.ArbeitDlg.FormActivate();
                put(game.ArbeitDlg.Label1Caption);
            }
        }
        for (const char* days : {"", "x", "99999999999", "10"}) {
            game.ArbeitDlg.Edit1Text = days;
            game.ArbeitDlg.takeJob();
            written();
        }
        game.ArbeitDlg.Edit1Text = "3";
        game.ArbeitDlg.takeJob();
        // The job's line, then the wages under the new day's heading, which
        // is the journey's.
        put("diary: " + line(linesSeen_ + 1));
        put("diary: " + lastLine());
        linesSeen_ = s.dd;
        game.ArbeitDlg.takeJob();
        written();
    }

    void shop()
    {
        window("TKaimonoDlg");
        fixed({KaimonoDlg::Question, KaimonoDlg::OneOnly, KaimonoDlg::OkCaption,
               KaimonoDlg::CancelCaption});
        for (const ShopGood& good : ShopGoods) {
            if (!good.hint.empty())
                put("hint: " + std::string(tr(good.hint)));
        }
        s.yen = 0;
        buy(1);
        for (const CityGood& city : ShopCityGoods) {
            inCity(city.city.data());
            game.KaimonoDlg.FormActivate();
            boxes(game.KaimonoDlg.KaimonoButtons, game.KaimonoDlg.KaimonoButton6Visible);
            s.yen = 100000;
            buy(6);
        }
        for (int row = 1; row <= 5; ++row)
            buy(row);
    }

    void buy(int row)
    {
        game.KaimonoDlg.FormActivate();
        game.KaimonoDlg.KaimonoButtonClick(row);
        game.KaimonoDlg.OKBtnClick();
        written();
    }

    void pawnShop()
    {
        window("TSitiyaDlg");
        fixed({SitiyaDlg::Question, SitiyaDlg::AnyNumber, SitiyaDlg::OkCaption,
               SitiyaDlg::CancelCaption});
        for (const CityGood& city : PawnCityGoods) {
            inCity(city.city.data());
            game.SitiyaDlg.FormActivate();
            boxes(game.SitiyaDlg.SitiyaButtons, game.SitiyaDlg.SitiyaButton6Visible);
            game.SitiyaDlg.SitiyaButtonClick(6);
            game.SitiyaDlg.OKBtnClick();
            written();
        }
        s.HaveMap = s.HaveKutu = s.HaveHuku = s.HaveCard = s.Nikki = true;
        game.SitiyaDlg.FormActivate();
        for (int row = 1; row <= 5; ++row)
            game.SitiyaDlg.SitiyaButtonClick(row);
        game.SitiyaDlg.OKBtnClick();
        written();
    }

    void nameAndDiary()
    {
        window("TNamaeDlg");
        fixed({NamaeDlg::Prompt, NamaeDlg::OkCaption});
        for (const std::string& name :
             {std::string("a\nb"), std::string(1024, 'a'), std::string("\xF0\x9F\x98\x80")}) {
            game.NamaeDlg.Password = name;
            game.NamaeDlg.OKBtnClick();
            written();
        }
        s.Namae = "Hitch";
        window("TNikkiDlg");
        fixed({NikkiDlg::Button1Caption});
        game.NikkiDlg.FormShow(1024);
        put(game.NikkiDlg.Caption);
        window("TShuppanDlg");
        fixed({ShuppanDlg::Preparing, ShuppanDlg::OkCaption, ShuppanDlg::CancelCaption});
        game.ShuppanDlg.FormShow();
        put(game.ShuppanDlg.Caption);
        put(game.ShuppanDlg.Text);
    }

    void notices()
    {
        window("TLostDlg");
        fixed({LostDlg::Lines[0], LostDlg::Lines[1], LostDlg::OkCaption});
        window("TChokkoDlg");
        fixed({ChokkoDlg::Text, ChokkoDlg::OkCaption});
        window("TAboutBox");
        fixed({AboutBox::ProductName, AboutBox::ReleaseDate, AboutBox::OkCaption});
    }

    std::string listing_;
    int linesSeen_ = game.state.dd;
    std::size_t callsSeen_ = 0;
};

TEST_F(EnglishServices, WindowsAndDiaryLinesMatchTheGoldenListing)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    bank();
    telegrams();
    job();
    shop();
    pawnShop();
    nameAndDiary();
    notices();

    EXPECT_EQ(listing_, testing::goldenBytes("services/english_services.golden", listing_));
}

}  // namespace
}  // namespace korvalin

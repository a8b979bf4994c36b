#include <algorithm>

#include "capital/country_facts.h"
#include "capital_fixture.h"
#include "world/country_table.h"
#include "world/region_table.h"

namespace korvalin::testing {
namespace {

namespace texts = capital_texts;

using Arrival = CapitalTest;

TEST_F(Arrival, RecognisesTheCityOnlyFromItsListedSides)
{
    arriveInTokyo();  // east of Tokyo's cell
    EXPECT_EQ(game.state.toshi, "日本国首都東京");
    EXPECT_EQ(lastLine(), "　　東京に到着。");
    EXPECT_EQ(dlg.FlagName, "JP_F");
    EXPECT_EQ(dlg.radioButton(1).Caption, "韓国大使館");
    EXPECT_EQ(dlg.radioButton(4).Caption, "中国大使館");
    EXPECT_FALSE(dlg.radioButton(5).Visible);
    EXPECT_EQ(ui.count("disable", "TTravel"), 1);

    // Muscat is known only from the south and the west.
    const int dd = s.dd;
    arriveAt(84, 164);
    EXPECT_EQ(game.state.toshi, "日本国首都東京");
    EXPECT_EQ(s.dd, dd);
}

TEST_F(Arrival, SeoulMoscowAndBeijingGreetTheFirstVisitApart)
{
    arriveAt(223, 126);
    EXPECT_EQ(lastLine(), "　　ソウルに到着。東京並の大都会。東大門は竜宮城に似てるなあ。");
    arriveAt(223, 126);
    EXPECT_EQ(lastLine(), "　　再びソウルに到着。");
    EXPECT_TRUE(s.sould);

    s.HaveUma = true;
    s.HaveRakuda = true;
    arriveAt(88, 74);
    EXPECT_EQ(lastLine(), "　　モスクワに到着。ネギ坊主の屋根が印象的だ。");
    EXPECT_TRUE(s.moscowd);
    EXPECT_FALSE(s.HaveUma);  // left at the gates
    EXPECT_TRUE(s.HaveRakuda);
    arriveAt(57, 102);  // Ankara
    EXPECT_FALSE(s.HaveRakuda);
}

TEST_F(Arrival, SriLankaTakesTwoLines)
{
    const int dd = s.dd;
    arriveAt(130, 213);
    EXPECT_EQ(s.dd, dd + 2);
    EXPECT_EQ(line(dd + 1), "　　スリジャヤワルダナプラコッテに到着。");
    EXPECT_EQ(line(dd + 2), "　　ああ、舌を噛みそうだ。");
    EXPECT_EQ(line(dd + 3), "end");
}

TEST_F(Arrival, ACityHasNoEmbassies)
{
    arriveInTokyo();
    dlg.FormClose();
    dlg.Label2Caption = "x";
    arriveAt(239, 125, false);  // Osaka
    EXPECT_EQ(game.state.toshi, "日本国　大阪");
    EXPECT_EQ(lastLine(), "　　大阪に到着。");
    for (int k : {11, 12}) {
        EXPECT_TRUE(dlg.speedButton(k).Down) << k;
        EXPECT_FALSE(dlg.speedButton(k).Enabled) << k;
    }
    EXPECT_TRUE(std::ranges::none_of(dlg.RadioButtons, &CapitalDlg::RadioButton::Visible));
    EXPECT_EQ(dlg.Label2Caption, "");
}

TEST_F(Arrival, ThereIsNoJapaneseEmbassyInJapan)
{
    standOn(246, 118);
    paintJapanAt(14, 13);
    arriveInTokyo();
    EXPECT_TRUE(dlg.speedButton(11).Enabled);
    EXPECT_FALSE(dlg.speedButton(12).Enabled);
    EXPECT_TRUE(dlg.speedButton(12).Down);

    paintJapanAt(15, 14);  // the hiker's own cell does not count
    dlg.speedButton(12).Down = false;
    arriveInTokyo();
    EXPECT_TRUE(dlg.speedButton(12).Enabled);
    EXPECT_FALSE(dlg.speedButton(12).Down);
}

TEST_F(Arrival, TheFlagShowsTheFactsOfThePresentCountry)
{
    arriveInTokyo();
    dlg.showFacts();
    EXPECT_TRUE(dlg.InfoPanelVisible);
    EXPECT_EQ(dlg.InfoValues,
              (std::array<std::string, 5>{"37万8000k㎡", "1億2496万人", "", "日本語", "円"}));
    dlg.InfoPanelClick();
    EXPECT_FALSE(dlg.InfoPanelVisible);

    s.leg.PP = 86;  // the UK has facts but no flag: the last one stays
    dlg.FormShow();
    EXPECT_EQ(dlg.FlagName, "JP_F");
}

TEST(CountryFactsTest, GroupsAreasByManAndPopulationsByOkuAndMan)
{
    EXPECT_EQ(areaText(620), "620k㎡");
    EXPECT_EQ(areaText(300000), "30万0000k㎡");
    EXPECT_EQ(areaText(17075000), "1707万5000k㎡");
    EXPECT_EQ(populationText(2930000), "293万人");
    EXPECT_EQ(populationText(1208840000), "12億884万人");
    EXPECT_EQ(populationText(45553882), "4555万人");  // to the nearest 万
    EXPECT_EQ(populationText(100004000), "1億人");
    for (const CountryRow& country : CountryTable) {
        const CountryFacts* facts = factsByMainCode(RegionCodes(country.entries[0]));
        ASSERT_NE(facts, nullptr) << country.name;
        EXPECT_TRUE(facts->ethnicGroups.empty()) << country.name;
    }
}

using Departure = CapitalTest;

TEST_F(Departure, TheLastChoiceSetsTheLeg)
{
    arriveInTokyo();
    dlg.chooseDestination(3);
    dlg.chooseDestination(1);
    EXPECT_EQ(leg(), (LegCodes{14, 111, 111, 9, 9, 9, 2}));
    EXPECT_EQ(s.destination, 1);
}

TEST_F(Departure, LeavingWithoutTheVisaUndoesTheChoiceOnlyOnYes)
{
    s.leg.PPB = s.leg.PNB = 111;
    arriveInTokyo();
    dlg.chooseDestination(2);
    const GameState chosen = s;
    const int dd = s.dd;

    ui.answers = {false};
    dlg.OKBtnClick();
    EXPECT_EQ(ui.count("confirm", texts::LeaveWithoutVisa), 1);
    EXPECT_EQ(s.leg.PN, chosen.leg.PN);
    EXPECT_EQ(ui.count("close"), 0);

    s.nyukoku = true;
    dlg.OKBtnClick();
    EXPECT_EQ(leg(), (LegCodes{14, 111, 111, 14, 111, 111, 16}));
    EXPECT_FALSE(s.nyukoku);
    EXPECT_EQ(s.dd, dd);
    EXPECT_EQ(ui.count("enable", "TTravel"), 1);
    EXPECT_EQ(ui.count("close", "TCapitalDlg"), 1);
}

TEST_F(Departure, WithTheVisaOrFromACityTheHikerLeavesAndTheDiarySaysSo)
{
    arriveInTokyo();
    s.lostf = true;
    dlg.OKBtnClick();
    EXPECT_EQ(ui.count("message", texts::NoPassportToLeave), 1);

    s.lostf = false;
    s.visaToGet = false;
    s.buy = s.nyu = s.Start = true;
    dlg.OKBtnClick();
    EXPECT_EQ(lastLine(), "　　東京を出発。");
    EXPECT_FALSE(s.buy || s.nyu || s.Start);
    EXPECT_EQ(ui.count("close", "TCapitalDlg"), 1);

    // A city asks for no visa, whatever the passport.
    s.visaToGet = true;
    s.lostf = true;
    arriveAt(176, 187, false);  // Chiang Mai
    dlg.OKBtnClick();
    EXPECT_EQ(lastLine(), "　　チェンマイを出発。");
}

TEST_F(Departure, ClosingHidesTheDestinations)
{
    arriveInTokyo();
    dlg.chooseDestination(1);
    s.visaf = true;
    dlg.FormClose();
    EXPECT_TRUE(std::ranges::none_of(dlg.RadioButtons, &CapitalDlg::RadioButton::Visible));
    EXPECT_EQ(s.destination, 0);
    EXPECT_FALSE(s.visaf);
}

using Visa = CapitalTest;

// Button 1 is not the crowded one (5): a day's wait.
TEST_F(Visa, ExactMoneyBuysItForADayAndFixesTheChoice)
{
    arriveInTokyo();
    s.konzatsuno = 4;
    dlg.chooseDestination(1);
    s.yen = 1999;
    dlg.obtainVisa();
    EXPECT_EQ(ui.count("warning", texts::FeeShort), 1);
    EXPECT_TRUE(s.visaToGet);

    s.yen = 2000;
    const int day = s.day;
    dlg.obtainVisa();
    EXPECT_EQ(s.yen, 0);
    EXPECT_EQ(s.day, day + 1440);
    EXPECT_EQ(line(s.dd - 3), "　　韓国大使館でビザを申請。");
    EXPECT_EQ(line(s.dd - 1), "2日目　97/12/21");
    EXPECT_EQ(lastLine(), "　　ビザを取得");
    EXPECT_FALSE(s.visaToGet);
    EXPECT_FALSE(s.visaf);
    EXPECT_TRUE(dlg.destinationEnabled(1));
    EXPECT_FALSE(dlg.destinationEnabled(2));
    dlg.chooseDestination(2);
    EXPECT_EQ(s.leg.PN, Korea);
}

TEST_F(Visa, TheCrowdedCounterTakesAWeek)
{
    arriveInTokyo();
    s.konzatsuno = 1;
    dlg.chooseDestination(2);  // Russia
    ui.answers = {false};
    dlg.obtainVisa();
    EXPECT_EQ(ui.count("confirm", texts::CrowdedCounter), 1);
    EXPECT_TRUE(s.visaToGet);

    const int day = s.day;
    dlg.obtainVisa();
    EXPECT_EQ(s.day, day + 10080);
    EXPECT_EQ(line(s.dd - 3), "　　ロシア大使館でビザを申請。混でて１週間かかるそうだ。ちぇ。");
    EXPECT_EQ(lastLine(), "　　ビザを取得。");
    EXPECT_TRUE(s.visaf);
}

TEST_F(Visa, ARefusalChangesNothing)
{
    arriveInTokyo();
    s.lostf = true;
    const GameState before = s;
    dlg.obtainVisa();
    EXPECT_EQ(ui.count("confirm", texts::NoSelection), 1);
    EXPECT_EQ(ui.count("message"), 0);

    dlg.chooseDestination(1);
    dlg.obtainVisa();
    EXPECT_EQ(ui.count("message", texts::NoPassportForVisa), 1);
    EXPECT_EQ(s.yen, before.yen);
    EXPECT_EQ(s.day, before.day);
    EXPECT_TRUE(s.visaToGet);
}

TEST_F(Visa, ThePassportIsReissuedOnlyWithMoreThanTheFee)
{
    arriveInTokyo();
    s.lostf = true;
    s.yen = 10000;
    dlg.visitJapaneseEmbassy();
    EXPECT_EQ(ui.count("message", texts::ReissueFeeShort), 1);
    EXPECT_EQ(line(s.dd - 1), "　　日本大使館にパスポート再交付の手続きに行った。");
    EXPECT_EQ(lastLine(), "　　パスポートを再交付するお金がなかった。");
    EXPECT_TRUE(s.lostf);
    EXPECT_EQ(s.yen, 10000);

    s.yen = 10001;
    const int day = s.day;
    dlg.visitJapaneseEmbassy();
    EXPECT_FALSE(s.lostf);
    EXPECT_EQ(s.yen, 1);
    EXPECT_EQ(s.day, day + 10080);
    EXPECT_EQ(lastLine(), "　　やっとこさパスポートが再交付された。ヤレヤレ。");

    s.Namae = "虹子";
    dlg.visitJapaneseEmbassy();
    EXPECT_EQ(
        lastLine(),
        "　　日本大使館を覗いてみたら虹子さん、ヒッチハイクですか、それはそれは、と言われた。");
}

TEST_F(Visa, UnfoldingPaintsEveryHeightAndTwiceFoldsBack)
{
    arriveInTokyo();
    std::vector<int> painted;
    dlg.onHeightStep = [&] { painted.push_back(dlg.Height); };
    dlg.toggleEmbassies();
    EXPECT_EQ(dlg.Height, CapitalDlg::UnfoldedHeight);
    ASSERT_EQ(painted.size(), 9u + 26u + 1u);
    EXPECT_EQ(painted[8], 160);
    EXPECT_EQ(painted[9], 170);
    painted.clear();
    dlg.toggleEmbassies();
    EXPECT_EQ(dlg.Height, CapitalDlg::FoldedHeight);
    EXPECT_EQ(painted.front(), 430);
    EXPECT_EQ(painted[5], 400);
    EXPECT_EQ(painted[10], 370);
}

using ActionBar = CapitalTest;

TEST_F(ActionBar, TelegramsAndShoppingHaveTheirConditions)
{
    arriveInTokyo();
    paintJapanAt(14, 14);
    dlg.openTelegramOffice();
    EXPECT_EQ(ui.count("message", texts::TelegramsAbroadOnly), 1);
    paintJapanAt(14, 13);
    dlg.openTelegramOffice();
    EXPECT_EQ(ui.count("show", "TDenpoDlg"), 1);

    dlg.CancelBtnClick();
    EXPECT_EQ(ui.count("show", "TKaimonoDlg"), 1);
    s.buy = true;
    dlg.openShop();
    EXPECT_EQ(ui.count("message", texts::AlreadyShopped), 1);
    EXPECT_EQ(ui.count("show", "TKaimonoDlg"), 1);
}

TEST_F(ActionBar, ThePressedLookFollowsThePointerOverEnabledButtons)
{
    arriveAt(239, 125, false);  // Osaka: both embassy buttons down and disabled
    dlg.hoverActionButton(2);
    dlg.hoverActionButton(6);
    EXPECT_FALSE(dlg.speedButton(2).Down);
    EXPECT_TRUE(dlg.speedButton(6).Down);
    EXPECT_TRUE(dlg.speedButton(11).Down);
}

TEST_F(ActionBar, ThePulseTurnsAtItsTopWithinOneTick)
{
    std::uint32_t highest = 0;
    for (int i = 0; i < 600; ++i) {
        dlg.stepAnimations();
        highest = std::max(highest, dlg.Panel1Color);
        EXPECT_GE(dlg.Panel1Color, CapitalDlg::PulseLow);
    }
    EXPECT_EQ(highest, 0xFE0040u);  // red 254 on the dark blue
    EXPECT_EQ(dlg.C_TimerInterval, 500);
    EXPECT_EQ(dlg.visibleFootprint, 600 % 4 + 1);
}

}  // namespace
}  // namespace korvalin::testing

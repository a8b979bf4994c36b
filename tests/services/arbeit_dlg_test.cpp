// The part-time job: wages, the calendar, the limits and repeat work.
#include <gtest/gtest.h>

#include <limits>

#include "save/saved_game.h"
#include "services/services_fixture.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

constexpr int Day = 1440;
constexpr std::int32_t Most = std::numeric_limits<std::int32_t>::max();

class Arbeit : public testing::ServicesTest {
protected:
    Arbeit()
    {
        s.yen = 0;
        s.day = 20 * Day;
        s.dayold = 20;
        s.dayp = s.day - 3 * Day;  // the passport telegram went three days ago
    }

    void work(const char* days, std::uint8_t job = 5)
    {
        s.arbeitno = job;
        game.ArbeitDlg.FormShow();
        game.ArbeitDlg.FormActivate();
        game.ArbeitDlg.Edit1Text = days;
        game.ArbeitDlg.takeJob();
    }
};

TEST_F(Arbeit, NineDaysOfTruckWorkMoveTheCalendarAndPay)
{
    const int dd = s.dd;
    work("9");
    EXPECT_EQ(s.yen, 18000);
    EXPECT_EQ(s.aryen, 18000);
    EXPECT_EQ(s.day, 29 * Day);
    EXPECT_EQ(line(dd + 1), "　　トラック助手のバイトにありつく。日給2000円、極楽だ。");
    EXPECT_EQ(line(dd + 3), "29日目　98/01/17");  // dated from today on the clock
    EXPECT_EQ(lastLine(), "　　バイト代18000円受け取る。");
    EXPECT_EQ(line(s.dd + 1), "end");
    EXPECT_TRUE(s.worked);
    EXPECT_EQ(ui.count("close", "TArbeitDlg"), 1);
}

TEST_F(Arbeit, TenDaysNeedALostPassport)
{
    work("10");
    EXPECT_EQ(ui.count("message", "10日以上の長期アルバイトは出来ません"), 1);
    EXPECT_EQ(game.ArbeitDlg.Edit1Text, "");
    EXPECT_FALSE(s.worked);
    s.lostf = true;
    work("10");
    EXPECT_EQ(s.day, 30 * Day);
    EXPECT_TRUE(s.jusin3);  // the clock passed a week after the passport telegram
}

// The first week overlaps the week spent waiting for a visa.
TEST_F(Arbeit, WorkDuringAVisaWeek)
{
    s.visaf = true;
    const int dd = s.dd;
    work("5");
    EXPECT_EQ(s.day, 20 * Day);
    EXPECT_EQ(s.yen, 10000);
    EXPECT_EQ(s.dd, dd + 1);  // the job line only
    EXPECT_FALSE(s.jusin3);
    s.worked = false;
    work("8");
    EXPECT_EQ(s.day, 21 * Day);
}

// Nothing is paid and no time passes until a whole number of days is typed.
TEST_F(Arbeit, BadDaysAreRefused)
{
    const char* bad[] = {"", "0", "-3", "3日", "２", "99999999999"};
    for (const char* days : bad)
        work(days);
    EXPECT_EQ(ui.count("message", ArbeitDlg::NoDaysMessage), 3);
    EXPECT_EQ(ui.count("message", ArbeitDlg::NotANumberMessage), 2);
    EXPECT_EQ(ui.count("message", ArbeitDlg::TooManyDaysMessage), 1);
    EXPECT_EQ(s.yen, 0);
    EXPECT_EQ(s.day, 20 * Day);
    EXPECT_FALSE(s.worked);
    EXPECT_EQ(ui.count("close", "TArbeitDlg"), 0);
}

TEST_F(Arbeit, TheModelJobWantsSmartClothes)
{
    work("1", 2);
    EXPECT_EQ(game.ArbeitDlg.Label1Caption, "モデル 300円/日");
    EXPECT_EQ(s.yen, 300);
    s.worked = false;
    s.HaveHuku = true;
    work("1", 2);
    EXPECT_EQ(game.ArbeitDlg.Label1Caption, "モデル 5000円/日");
    EXPECT_EQ(s.yen, 5300);
}

// Without a passport, short of money and with the answer from home, the
// hiker works on without limit: paid, but no time and no diary.
TEST_F(Arbeit, RepeatWorkOnlyWhenStrandedAndNeverOverflows)
{
    work("1");
    work("1");
    EXPECT_EQ(ui.count("message", ArbeitDlg::NoMoreWorkMessage), 1);
    EXPECT_EQ(s.yen, 2000);

    s.lostf = true;
    s.jusin3 = true;
    const int day = s.day;
    const int dd = s.dd;
    work("2147483647");
    EXPECT_EQ(s.yen, Most);
    EXPECT_EQ(s.day, day);
    EXPECT_EQ(s.dd, dd);
    EXPECT_EQ(s.aryen, 2000);
    work("1");  // now rich: refused
    EXPECT_EQ(ui.count("message", ArbeitDlg::NoMoreWorkMessage), 2);
}

// Without a passport a job has no day limit, but the calendar ends with day
// 999,999, the last a saved game keeps: a job past it is refused, and no
// week at the embassy and no step of the journey carries the clock beyond
// it, so a save and a load never move the calendar.
TEST_F(Arbeit, NothingCarriesTheCalendarPastTheLastDayASaveKeeps)
{
    s.lostf = true;
    for (const char* days : {"2147483647", "1491308", "1000000", "999980"})
        work(days);
    EXPECT_EQ(ui.count("message", ArbeitDlg::TooManyDaysMessage), 4);
    EXPECT_EQ(s.day, 20 * Day);
    EXPECT_EQ(s.yen, 0);
    EXPECT_FALSE(s.worked);

    const int lastDay = 999999 * Day;
    work("999979");
    EXPECT_EQ(s.day, lastDay);
    game.CapitalDlg.visitJapaneseEmbassy();  // a new passport takes a week
    EXPECT_FALSE(s.lostf);
    useMap(testing::TestMap().fill(230, 110, 250, 130, testing::Japan));
    release(testing::Right);
    tick(8);
    EXPECT_EQ(s.day, lastDay);

    testing::TempDir dir;
    const SaveFiles files{dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
    inCity("大韓民国首都ソウル");
    game.state.visaToGet = false;
    saveGame(game, files);
    Game loaded{ui, clock};
    loaded.loadSavedGame(files);
    EXPECT_EQ(loaded.state.day, lastDay);
}

}  // namespace
}  // namespace korvalin

// The diary the journey writes: day headings, quiet days, calendar dates and
// the lines that announce a ride.
#include <gmock/gmock.h>

#include "journey/diary_entries.h"
#include "journey/diary_texts.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

using ::testing::AnyOf;
using ::testing::Eq;

// Walking east through Japan (the cell north of the hiker is Japan too).
class JourneyDiaryTest : public JourneyTest {
protected:
    JourneyDiaryTest()
    {
        useMap(TestMap().fill(0, 100, 255, 140, Japan));
        s.noRide = 1;
        s.dd = 4;
        game.diary.put(4, "1日目　97/12/20 （日本）");
        game.state.countryCaption = "日本";
    }

    // Runs until the day number changes, one tick before it starts.
    void walkToTheEndOfDay(int n)
    {
        s.day = (n + 1) * 1440 - 1;
        s.dayold = n;
    }
};

TEST(DayHeadingTest, JoinsDayDateAndCountry)
{
    EXPECT_EQ(dayHeading(12, "97/12/24", "中国"), "12日目　97/12/24 （中国）");
}

TEST_F(JourneyDiaryTest, EachQuietDayEndsWithAWalkingLineBeforeTheNextHeading)
{
    release(Right);
    tick(36);  // three whole days at 120 minutes a tick
    const auto walking =
        AnyOf(Eq("　　歩き通し。マメがウロコに変わった"), Eq("　　ヒッチハイク出来ず。野宿。"));
    const char* headings[] = {"2日目　97/12/21 （日本）", "3日目　97/12/22 （日本）",
                              "4日目　97/12/23 （日本）"};
    for (int day = 0; day < 3; ++day) {
        const int first = 5 + 3 * day;
        EXPECT_THAT(line(first), walking) << day;
        EXPECT_EQ(line(first + 1), "") << day;
        EXPECT_EQ(line(first + 2), headings[day]) << day;
    }
    EXPECT_EQ(s.dd, 13);
    EXPECT_EQ(line(14), " ");
    EXPECT_EQ(s.dayold, 4);
}

TEST_F(JourneyDiaryTest, ADayWithAnEntryHasNoQuietLine)
{
    game.appendDiaryLine("　　韓国に入国。");
    walkToTheEndOfDay(1);
    release(Right);
    tick();
    EXPECT_EQ(line(6), "");
    EXPECT_EQ(line(7), "2日目　97/12/21 （日本）");
}

// The old day's heading is compared with the country shown now.
TEST_F(JourneyDiaryTest, AChangedCountryCaptionMakesTheDayNotQuiet)
{
    walkToTheEndOfDay(1);
    game.state.countryCaption = "韓国";
    release(Right);
    tick();
    EXPECT_EQ(line(6), "2日目　97/12/21 （韓国）");
}

TEST_F(JourneyDiaryTest, ChristmasEveIsWrittenAfterItsHeading)
{
    walkToTheEndOfDay(4);
    game.diary.put(4, "　　（前の日の記事）");
    release(Right);
    tick();
    EXPECT_EQ(line(6), "5日目　97/12/24 （日本）");
    EXPECT_EQ(line(7), "　　クリスマスツリーを食べてる夢を見た。");
    EXPECT_EQ(line(8), " ");
}

TEST_F(JourneyDiaryTest, DayOneHundredIsDatedNinetyNineDaysOn)
{
    walkToTheEndOfDay(99);
    release(Right);
    tick();
    EXPECT_EQ(lastLine(), "100日目　98/03/29 （日本）");
}

TEST_F(JourneyDiaryTest, AClimbingDayWritesOnlyTheHeading)
{
    useMap(TestMap().fill(0, 100, 255, 140, JapanAlps));
    walkToTheEndOfDay(4);  // into Christmas Eve
    s.climbTicks = 1;      // no climbing line on this tick
    release(Right);
    tick();
    EXPECT_EQ(line(5), "");
    EXPECT_EQ(line(6), "5日目　97/12/24 （日本）");
    EXPECT_EQ(s.dd, 6);
}

struct DateCase {
    std::string_view startDate;  // day 2 is the day after
    Direction direction;
    std::string_view line;  // empty: nothing is written after the heading
};

class CalendarLineTest : public JourneyDiaryTest, public ::testing::WithParamInterface<DateCase> {
protected:
    // Korea all round, so that "north is Japan" does not hold.
    void SetUp() override { useMap(TestMap().fill(0, 0, 255, 255, Korea)); }
};

TEST_P(CalendarLineTest, WritesTheOccasionsLineAfterTheHeading)
{
    const DateCase& c = GetParam();
    s.mNow = c.startDate;
    s.leg.PP = s.leg.PN = Korea;
    walkToTheEndOfDay(1);
    game.diary.put(4, "　　（前の日の記事）");
    s.MoveDir = s.WantDir = c.direction;
    tick();
    EXPECT_TRUE(line(6).starts_with("2日目　")) << line(6);
    EXPECT_EQ(line(7), c.line.empty() ? " " : c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, CalendarLineTest,
    ::testing::Values(
        DateCase{"97/12/23", Direction::North, "　　クリスマスだー！"},
        DateCase{"98/12/23", Direction::South, "　　メリークリスマス。独り言じゃむなしいよ"},
        DateCase{"99/12/23", Direction::West, "　　そうか、今日はクリスマスなんだ。"},
        DateCase{"97/12/31", Direction::East, "　　正月だ。来年は絶対コタツの中！"},
        DateCase{"98/12/31", Direction::West,
                 "　　正月か・・・こたつの上で丸くなってたタマを思い出した。"},
        DateCase{"98/02/13", Direction::North, "　　今日はバレンタインデー。ま、関係ないか。"},
        DateCase{"99/03/13", Direction::South, "　　今日はホワイトデー。ま、関係ないか。"},
        DateCase{"98/03/31", Direction::East, "　　今日から４月、故郷の桜が懐かしい。"},
        DateCase{"99/07/06", Direction::West, "　　今日は七夕。じっと空を見る。"},
        DateCase{"00/12/23", Direction::East, ""}, DateCase{"97/07/06", Direction::East, ""}));

TEST_F(JourneyDiaryTest, AprilFirstIsNotMissedWhileJapanIsToTheNorth)
{
    s.mNow = "98/03/31";
    walkToTheEndOfDay(1);
    game.diary.put(4, "　　（前の日の記事）");
    release(Right);
    tick();
    EXPECT_EQ(line(7), " ");
}

struct ChristmasCase {
    const char* name;
    std::uint8_t northOfHiker;
    std::uint8_t extraRoad;  // PS: Japan makes the step north a road
    int key;                 // the sea south of the hiker refuses Down
    bool refused;
    std::string_view line;  // empty: only why he is turned back follows the heading
};

class ChristmasTest : public JourneyDiaryTest,
                      public ::testing::WithParamInterface<ChristmasCase> {};

// Turned back northward in sight of Japan, Christmas abroad is not written;
// every other step writes its direction's line.
TEST_P(ChristmasTest, OnlyANorthRefusalBesideJapanIsSilent)
{
    const ChristmasCase& c = GetParam();
    useMap(TestMap()
               .fill(0, 100, 255, 140, Korea)
               .set(240, 118, c.northOfHiker)
               .set(240, 120, WaterTile));
    s.leg.PP = s.leg.PN = Korea;
    s.leg.PS = c.extraRoad;
    s.mNow = "97/12/23";
    walkToTheEndOfDay(1);
    game.diary.put(4, "　　（前の日の記事）");
    release(c.key);
    tick();
    EXPECT_EQ(s.bounceCount, c.refused ? 1 : 0);
    EXPECT_EQ(line(7), c.line.empty() ? turnedBackLine(Barrier::Border) : c.line);
}

INSTANTIATE_TEST_SUITE_P(
    BesideJapan, ChristmasTest,
    ::testing::Values(ChristmasCase{"NorthRefused", Japan, NoExtraTile, Up, true, ""},
                      ChristmasCase{"NorthRefusedAbroad", Russia, NoExtraTile, Up, true,
                                    "　　異国のクリスマスもおつなもんだ。"},
                      ChristmasCase{"North", Japan, Japan, Up, false, "　　クリスマスだー！"},
                      ChristmasCase{"SouthRefused", Japan, NoExtraTile, Down, true,
                                    "　　あああクリスマスだー！"}),
    [](const auto& info) { return std::string(info.param.name); });

// The clock reading whose reseeded first RandInt(n) is k.
std::uint32_t millisecondsDrawing(std::uint32_t n, std::uint32_t k)
{
    for (std::uint32_t ms = 0;; ++ms) {
        Random random;
        random.reseed(ms);
        if (random.randInt(n) == k)
            return ms;
    }
}

TEST_F(JourneyDiaryTest, ARideDrawOfTwelveAfterTheSameLineKeepsTheOldContent)
{
    clock.milliseconds = millisecondsDrawing(20, 12);
    s.noRide = 0;
    game.diary.put(4, std::string(TruckPassengerLine));
    game.diary.put(5, "（古い行）");
    release(Right);
    tick();
    EXPECT_EQ(s.dd, 5);
    EXPECT_EQ(line(5), "（古い行）");
    EXPECT_EQ(line(6), " ");
}

TEST_F(JourneyDiaryTest, ARideDrawOfTwelveIsTheTruckPassengerSeat)
{
    clock.milliseconds = millisecondsDrawing(20, 12);
    s.noRide = 0;
    release(Right);
    tick();
    EXPECT_EQ(line(5), TruckPassengerLine);
}

struct VehicleCase {
    std::uint8_t northOfHiker;
    std::string_view line;
};

class VehicleSevenTest : public JourneyDiaryTest,
                         public ::testing::WithParamInterface<VehicleCase> {};

TEST_P(VehicleSevenTest, GoingSouthTheSeventhRideDependsOnJapanToTheNorth)
{
    useMap(TestMap().fill(0, 100, 255, 140, Japan).set(240, 118, GetParam().northOfHiker));
    clock.milliseconds = millisecondsDrawing(20, 7);
    s.noRide = 0;
    release(Down);
    tick();
    EXPECT_EQ(line(5), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    North, VehicleSevenTest,
    ::testing::Values(
        VehicleCase{Japan, "　　宅急便の助手席に乗せてもらう。途中、配達を手伝わされた。"},
        VehicleCase{Korea, "　　軍用トラックの荷台に乗せてもらう。機関銃を枕に熟睡。"}));

TEST_F(JourneyDiaryTest, TheNamedShipCarriesThePlayersName)
{
    useMap(TestMap().fill(0, 100, 255, 140, Japan).set(240, 120, WaterTile));
    s.leg.PS = WaterTile;
    s.Namae = "太郎";
    clock.milliseconds = millisecondsDrawing(2, 1);
    release(Down);
    tick();
    EXPECT_EQ(line(5), "　　太郎丸に乗船。名前はいいがボロ船。");
}

TEST_F(JourneyDiaryTest, HorseAndCamelAreAnnouncedOnMounting)
{
    useMap(TestMap().fill(0, 100, 255, 140, China));
    s.leg.PP = s.leg.PN = China;
    s.leg.PPA = s.leg.PNA = ChinaSecond;
    s.HaveRakuda = true;
    release(Right);
    tick();
    EXPECT_EQ(line(5), "　　颯爽とラクダに乗る。");
    s.HaveUma = true;
    tick();
    EXPECT_EQ(line(6), "　　颯爽と馬に乗る。");
    tick();
    EXPECT_EQ(s.dd, 6);
}

// Past the last line of the diary entries are lost and the journey goes on.
TEST_F(JourneyDiaryTest, AFullDiaryLosesEntriesQuietly)
{
    s.dd = 1499;
    walkToTheEndOfDay(1);
    release(Right);
    tick(3);
    EXPECT_EQ(s.dd, 1501);
    EXPECT_EQ(line(1499), "");
    EXPECT_EQ(s.MoveDir, Direction::East);
}

}  // namespace
}  // namespace korvalin::testing

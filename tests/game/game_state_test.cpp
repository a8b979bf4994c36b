#include <gtest/gtest.h>

#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

TEST(GameStateTest, StartsInKanazawaOnDayOneWithTheBankHoldingTheMoney)
{
    const GameState s;
    EXPECT_EQ(s.hikerX(), 240);
    EXPECT_EQ(s.hikerY(), 119);
    EXPECT_EQ(s.day, 1440);
    EXPECT_EQ(s.dayNumber(), 1);
    EXPECT_EQ(s.dayold, 1);
    EXPECT_EQ(s.yen, 0);
    EXPECT_EQ(s.yokin, 100000);
    EXPECT_EQ(s.dd, 4);
    EXPECT_EQ(s.kk, 1);
}

TEST(GameStateTest, TheFirstLegStaysInJapanWithNothingExtraPassable)
{
    const GameState s;
    EXPECT_EQ(s.leg.PP, 14);
    EXPECT_EQ(s.leg.PPA, 111);
    EXPECT_EQ(s.leg.PPB, 0);
    EXPECT_EQ(s.leg.PN, 14);
    EXPECT_EQ(s.leg.PNA, 111);
    EXPECT_EQ(s.leg.PNB, 0);
    EXPECT_EQ(s.leg.PS, 16);
}

TEST(GameStateTest, FlagsStartAsANewJourneyExpects)
{
    const GameState s;
    EXPECT_TRUE(s.Start);
    EXPECT_TRUE(s.TitlePending);
    EXPECT_TRUE(s.londonf);
    EXPECT_FALSE(s.quitf);
    EXPECT_FALSE(s.lostf);
    EXPECT_FALSE(s.Level1 || s.Level2 || s.Level3);
    EXPECT_FALSE(s.HaveMap || s.Nikki || s.HaveKutu || s.HaveHuku || s.HaveCard || s.HaveHaramaki ||
                 s.HaveDall || s.HaveUma || s.HavePearl || s.HaveRakuda || s.HaveTubo ||
                 s.HaveLion);
    EXPECT_FALSE(s.sosin1 || s.sosin2 || s.jusin1 || s.jusin2 || s.sosin3 || s.jusin3);
    EXPECT_TRUE(s.Namae.empty() && s.mNow.empty() && s.toshi.empty());
}

TEST(GameStateTest, TheJourneyStandsStillAtTheViewsRestingOffset)
{
    const GameState s;
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(s.ScrollX, 16);
    EXPECT_EQ(s.ScrollY, 16);
    EXPECT_EQ(s.costRate, 1);
    EXPECT_EQ(s.helppage, 1);
}

TEST(GameStateTest, EveryTravelSpeedGivesWholeMinutesPerTick)
{
    EXPECT_EQ(Climbing.minutesPerTick(), 480);
    EXPECT_EQ(Walking.minutesPerTick(), 120);
    EXPECT_EQ(ShoeWalking.minutesPerTick(), 60);
    EXPECT_EQ(CamelSpeed.minutesPerTick(), 30);
    EXPECT_EQ(HorseSpeed.minutesPerTick(), 20);
    EXPECT_EQ(RideSpeed.minutesPerTick(), 10);
    EXPECT_EQ(GameState{}.travelSpeed, Walking);
}

TEST(GameTest, DiaryAppendsMoveTheGameStatesLastLine)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game(ui, clock);
    game.appendDiaryLine("　　東京に到着。");
    EXPECT_EQ(game.state.dd, 5);
    EXPECT_EQ(game.diary.get(5), "　　東京に到着。");
    EXPECT_EQ(game.diary.get(6), "end");
    game.appendDiaryNote("　　乗用車に便乗。");
    EXPECT_EQ(game.diary.get(7), " ");
}

}  // namespace
}  // namespace korvalin

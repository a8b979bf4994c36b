// Refused steps: the hiker is turned back, tries again, and gives up after 32.
#include <algorithm>

#include "journey/diary_texts.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

// Japan ends one cell north of Kanazawa; beyond is sea on a leg without
// ships.
class BounceTest : public JourneyTest {
protected:
    BounceTest()
    {
        useMap(TestMap().fill(230, 118, 250, 130, Japan));
        s.noRide = 1;
    }
};

TEST_F(BounceTest, ARefusedStepTurnsBackAndKeepsTheWish)
{
    release(Up);
    tick();  // into (240, 118)
    EXPECT_EQ(s.ScrollY, 14);
    tick(7);
    EXPECT_EQ(hikerY(), 118);
    tick();  // the sea ahead
    EXPECT_EQ(s.MoveDir, Direction::South);
    EXPECT_EQ(s.WantDir, Direction::North);
    EXPECT_EQ(s.ScrollY, 18);
    EXPECT_EQ(s.bounceCount, 1);
    EXPECT_EQ(travel.Timer1Interval, 10);
}

TEST_F(BounceTest, TheHikerWalksBackOneCellAndTriesAgain)
{
    release(Up);
    tick(8);
    tick();  // refused at (240, 118)
    tick(7);
    EXPECT_EQ(hikerY(), 119);                // back one cell
    EXPECT_EQ(s.MoveDir, Direction::North);  // and north again
    tick(8);
    EXPECT_EQ(hikerY(), 118);
    tick();
    EXPECT_EQ(s.bounceCount, 2);
}

// A refused step still costs time and money at the current mode's rates.
TEST_F(BounceTest, ARefusedStepChargesTheCurrentMode)
{
    release(Up);
    tick(8);
    const int day = s.day;
    const int yen = s.yen;
    tick();
    EXPECT_EQ(s.day - day, 120);
    EXPECT_EQ(yen - s.yen, 30);
}

TEST_F(BounceTest, AfterThe32ndRefusalTheHikerStopsOffTheGrid)
{
    s.bounceCount = 31;
    release(Up);
    tick(8);
    tick();
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(s.bounceCount, 0);
    EXPECT_EQ(s.ScrollY, 18);
    tick(5);
    EXPECT_EQ(s.ScrollY, 18);
    EXPECT_EQ(hikerY(), 118);
}

struct OffsetCase {
    int key;
    int ticksToBoundary;
    int hikerY;
};

class OffGridTest : public BounceTest, public ::testing::WithParamInterface<OffsetCase> {};

// Resting two pixels south of the grid, the next cell is reached early going
// south and late going north.
TEST_P(OffGridTest, TheNextMoveStartsFromTheOffset)
{
    s.bounceCount = 31;
    release(Up);
    tick(9);
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    release(GetParam().key);
    tick(GetParam().ticksToBoundary - 1);
    EXPECT_EQ(hikerY(), 118);
    tick();
    EXPECT_EQ(hikerY(), GetParam().hikerY);
    EXPECT_EQ(s.ScrollY, 16);
}

INSTANTIATE_TEST_SUITE_P(Offsets, OffGridTest,
                         ::testing::Values(OffsetCase{Down, 7, 119}, OffsetCase{Up, 9, 117}));

// A day that ends while the hiker is being turned back is written with the
// refused texts.
TEST_F(BounceTest, ADayEndingOnARefusalUsesTheRefusedTexts)
{
    s.day = 2 * 1440 - 1;
    s.dayold = 1;
    game.state.countryCaption = "日本";
    travel.Label3.show(TravelMode::Horse, Direction::North);
    s.dd = 6;
    game.diary.put(6, "1日目　97/12/20 （日本）");
    release(Up);
    game.state.MapY = 104;  // stand at (240, 118), the sea ahead
    tick();
    EXPECT_EQ(line(7), "　　１日中人っこ一人見かけず。汗血馬よ走れ。");
    EXPECT_EQ(line(9), "2日目　97/12/21 （日本）");
}

// The diary says once a try why the hiker is turned back, whatever stands
// in his way; the bounces that follow add nothing, a new key press does.
TEST_F(BounceTest, TheDiaryTellsOnceATryWhyTheHikerIsTurnedBack)
{
    const struct {
        std::uint8_t ahead;
        bool shoes;
        Barrier barrier;
    } cases[] = {{WaterTile, false, Barrier::Sea},
                 {JapanAlps, true, Barrier::Mountain},
                 {Korea, false, Barrier::Border}};
    for (const auto& c : cases) {
        useMap(TestMap().fill(230, 118, 250, 130, Japan).fill(230, 110, 250, 117, c.ahead));
        s.leg.PPA = JapanAlps;
        s.HaveKutu = c.shoes;
        s.MapY = 105;
        s.MoveDir = s.WantDir = Direction::None;
        s.ScrollY = 16;
        s.bounceCount = 0;
        const auto told = [&] {
            return std::ranges::count(game.diary.lines(), turnedBackLine(c.barrier));
        };
        press(Up);
        release(Up);
        tick(9 + 16 * 3);  // refused, back, and refused three times more
        EXPECT_EQ(s.bounceCount, 4);
        EXPECT_EQ(told(), 1) << int{c.ahead};
        press(Up);
        release(Up);
        tick(16);
        EXPECT_EQ(s.bounceCount, 5);
        EXPECT_EQ(told(), 2) << int{c.ahead};
    }
}

}  // namespace
}  // namespace korvalin::testing

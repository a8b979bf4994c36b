// The overview map: what each cell and mark is painted in, day by day.
#include <gtest/gtest.h>

#include "app/colors.h"
#include "journey/journey_fixture.h"
#include "world/region_table.h"

namespace korvalin {
namespace {

constexpr std::uint8_t Goal = 86;
constexpr std::uint8_t OtherLand = 24;

class WorldMapTest : public testing::JourneyTest {
protected:
    WorldMapTest()
    {
        useMap(testing::TestMap()
                   .fill(232, 95, 247, 137, testing::Japan)
                   .set(242, 119, testing::JapanAlps)
                   .set(245, 118, CapitalTile)
                   .fill(222, 124, 229, 133, testing::Korea)
                   .fill(51, 21, 69, 39, Goal)
                   .fill(47, 90, 73, 118, OtherLand));
    }

    std::uint32_t at(int x, int y)
    {
        game.WorldMap.PaintBox1Paint();
        return game.WorldMap.Picture.pixel(x, y) & 0xFFFFFF;
    }
};

TEST_F(WorldMapTest, AtTheStartJapanIsYellowTheGoalAquaAndTheViewFramedAroundTheHiker)
{
    EXPECT_EQ(at(235, 100), colors::Yellow);
    EXPECT_EQ(at(242, 119), colors::Yellow);  // the present country wins over the destination
    EXPECT_EQ(at(245, 118), 0x808080u);       // capitals are plain land
    EXPECT_EQ(at(227, 126), 0x808080u);       // Korea is neither here nor next
    EXPECT_EQ(at(60, 30), colors::Aqua);
    EXPECT_EQ(at(60, 100), 0x808080u);
    EXPECT_EQ(at(10, 10), 0x000000u);

    for (auto [x, y] : {std::pair{240, 119}, {239, 118}, {238, 119}, {241, 118}})
        EXPECT_EQ(at(x, y), colors::Red) << x << "," << y;
    EXPECT_EQ(at(238, 117), colors::Yellow);  // the corners of the round mark
    for (auto [x, y] : {std::pair{225, 105}, {255, 133}, {240, 105}, {225, 120}})
        EXPECT_EQ(at(x, y), colors::White) << x << "," << y;
    EXPECT_EQ(at(226, 106), 0x000000u);

    s.PN = testing::Korea;
    EXPECT_EQ(at(227, 126), colors::Teal);
}

TEST_F(WorldMapTest, TheGoalTurnsRedOnTheRecordDay)
{
    s.day = 190 * MinutesPerDay - 1;
    EXPECT_EQ(at(60, 30), colors::Aqua);
    s.day = 190 * MinutesPerDay;
    EXPECT_EQ(at(60, 30), colors::Red);
}

TEST_F(WorldMapTest, TheDuoIsShownOnTheirOwnDayOnlyWithTheirDiary)
{
    s.Nikki = true;
    s.day = MinutesPerDay;
    EXPECT_EQ(at(208, 170), colors::Navy);
    EXPECT_EQ(at(206, 168), 0x000000u);  // the mark is round
    s.day = 190 * MinutesPerDay;
    EXPECT_EQ(at(54, 37), colors::Navy);
    for (int day : {0, 191}) {
        s.day = day * MinutesPerDay;
        EXPECT_EQ(at(208, 170), 0x000000u) << day;
        EXPECT_NE(at(54, 37), colors::Navy) << day;
    }
    s.Nikki = false;
    s.HaveMap = true;
    s.day = MinutesPerDay;
    EXPECT_EQ(at(208, 170), 0x000000u);
}

TEST_F(WorldMapTest, AnyKeyOrLosingTheFocusPutsTheMapAway)
{
    game.WorldMap.FormKeyDown();
    game.WorldMap.FormDeactivate();
    EXPECT_EQ(ui.count("close", "TWorldMap"), 2);
}

}  // namespace
}  // namespace korvalin

// The overview map: what each cell and mark is painted in, day by day.
#include <gtest/gtest.h>

#include "game/colors.h"
#include "journey/journey_fixture.h"

namespace korvalin {
namespace {

constexpr std::uint32_t Grey = 0x808080;
constexpr std::uint32_t Black = 0x000000;

class WorldMapTest : public testing::JourneyTest {
protected:
    WorldMapTest()
    {
        useMap(testing::TestMap()
                   .fill(232, 95, 247, 137, testing::Japan)
                   .set(242, 119, testing::JapanAlps)
                   .set(245, 118, CapitalTile)
                   .fill(222, 124, 229, 133, testing::Korea)
                   .fill(51, 21, 69, 39, 86));  // the goal country
    }

    std::uint32_t at(int x, int y)
    {
        game.WorldMap.drawMap();
        return game.WorldMap.Picture.pixel(x, y) & 0xFFFFFF;
    }
};

// Japan is both the present and the next country at the start: yellow wins.
TEST_F(WorldMapTest, AtTheStartJapanIsYellowTheGoalAquaAndTheViewFramedAroundTheHiker)
{
    const std::pair<std::array<int, 2>, std::uint32_t> expected[] = {
        {{235, 100}, colors::Yellow}, {{242, 119}, colors::Yellow}, {{245, 118}, Grey},
        {{227, 126}, Grey},           {{60, 30}, colors::Aqua},     {{10, 10}, Black},
        {{240, 119}, colors::Red},    {{239, 118}, colors::Red},    {{238, 117}, colors::Yellow},
        {{225, 105}, colors::White},  {{255, 133}, colors::White},  {{226, 106}, Black},
    };
    for (const auto& [cell, colour] : expected)
        EXPECT_EQ(at(cell[0], cell[1]), colour) << cell[0] << "," << cell[1];
    s.leg.PN = testing::Korea;
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
    EXPECT_EQ(at(208, 170), colors::Navy);
    EXPECT_EQ(at(206, 169), colors::Navy);  // the circle in (206, 168)-(210, 172)
    EXPECT_EQ(at(206, 168), Black);
    s.day = 190 * MinutesPerDay;
    EXPECT_EQ(at(54, 37), colors::Navy);
    for (int day : {0, 191}) {
        s.day = day * MinutesPerDay;
        EXPECT_EQ(at(208, 170), Black) << day;
        EXPECT_NE(at(54, 37), colors::Navy) << day;
    }
    s.Nikki = false;
    s.HaveMap = true;
    s.day = MinutesPerDay;
    EXPECT_EQ(at(208, 170), Black);
}

// West from Kanazawa over Japan, then out to sea: a solid purple line on
// land, every other cell at sea, and the hiker's mark over his trail.
TEST_F(WorldMapTest, TheTrailIsDrawnInTheHikersPurpleDottedAtSeaUnderHisMark)
{
    for (int x = 239; x >= 228; --x)
        game.trail.enter(1, x, 119);
    for (int x = 232; x <= 237; ++x)
        EXPECT_EQ(at(x, 119), colors::Purple) << x;
    EXPECT_EQ(at(238, 119), colors::Red);
    for (int x = 228; x <= 231; ++x)
        EXPECT_EQ(at(x, 119), x % 2 == 1 ? colors::Purple : Black) << x;
    EXPECT_EQ(at(235, 120), colors::Yellow);
}

TEST_F(WorldMapTest, AnyKeyOrLosingTheFocusPutsTheMapAway)
{
    game.WorldMap.FormKeyDown();
    game.WorldMap.FormDeactivate();
    EXPECT_EQ(ui.count("close", "TWorldMap"), 2);
}

}  // namespace
}  // namespace korvalin

// The title creeps to the right one character per tick.
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

TEST_F(JourneyTest, TheTitleGainsOneLeadingSpacePerTick)
{
    tick();
    EXPECT_EQ(travel.Caption, " Korvalin ver 2.6");
    tick(83);
    EXPECT_EQ(travel.Caption, std::string(84, ' ') + "Korvalin ver 2.6");
}

TEST_F(JourneyTest, TheTickThatWouldMake85SpacesStartsOver)
{
    tick(85);
    EXPECT_EQ(travel.Caption, "Korvalin ver 2.6");
    tick();
    EXPECT_EQ(travel.Caption, " Korvalin ver 2.6");
}

TEST_F(JourneyTest, TheMarqueeRunsWhileMoving)
{
    useMap(TestMap().fill(230, 110, 250, 130, Japan));
    release(Right);
    tick(170);
    EXPECT_EQ(travel.Caption, "Korvalin ver 2.6");
}

}  // namespace
}  // namespace korvalin::testing

// Whole journeys played through the game's handlers: every one ends in
// London or with the money gone, never stuck and never against a rule.
#include <gtest/gtest.h>

#include "journey_bot.h"

namespace korvalin {
namespace {

class JourneyBotTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        world.build();
        route = planRoute(world);
    }

    static WorldGrid world;
    static std::vector<PlannedLeg> route;
};

WorldGrid JourneyBotTest::world;
std::vector<PlannedLeg> JourneyBotTest::route;

constexpr long MaxTicks = 5'000'000;

TEST_F(JourneyBotTest, ThePlanGoesFromTokyoToTheChannel)
{
    ASSERT_FALSE(route.empty());
    EXPECT_EQ(route.front().from->caption, "日本国首都東京");
    EXPECT_EQ(route.back().country, "イギリス");
}

TEST_F(JourneyBotTest, EveryCourseEndsInLondonOrOutOfMoney)
{
    for (int course = 0; course < 3; ++course) {
        for (std::uint32_t seed : {1u, 4242u}) {
            const JourneyReport report = JourneyBot(course, seed, route, world).play(MaxTicks);
            EXPECT_TRUE(report.ending == JourneyReport::Ending::London ||
                        report.ending == JourneyReport::Ending::OutOfMoney)
                << "course " << course + 1 << " seed " << seed << ": "
                << endingName(report.ending) << ": " << report.why;
        }
    }
}

TEST_F(JourneyBotTest, TheRichCourseReachesLondon)
{
    const JourneyReport report = JourneyBot(0, 1, route, world).play(MaxTicks);
    EXPECT_EQ(report.ending, JourneyReport::Ending::London) << report.why;
}

}  // namespace
}  // namespace korvalin

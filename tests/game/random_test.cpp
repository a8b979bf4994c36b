#include <gtest/gtest.h>

#include <vector>

#include "game/random.h"

namespace korvalin {
namespace {

TEST(RandomTest, TheSeedStepsAsTheLinearCongruentialRuleWrapsIt)
{
    Random random;
    random.reseed(12345);
    std::vector<std::uint32_t> seeds;
    for (int i = 0; i < 5; ++i) {
        random.randInt(1);
        seeds.push_back(random.seed());
    }
    const std::vector<std::uint32_t> expected{1655067934u, 1242767767u, 342459380u, 2377737157u,
                                              2721613530u};
    EXPECT_EQ(seeds, expected);
}

TEST(RandomTest, DrawsAreTheUpperHalfOfSeedTimesN)
{
    Random random;                       // seed 0
    EXPECT_EQ(random.randInt(100), 0u);  // seed 1
    EXPECT_EQ(random.randInt(8), 0u);    // seed 134775814
    EXPECT_EQ(random.randInt(51000), 43913u);
    EXPECT_EQ(random.randInt(0), 0u);
    EXPECT_EQ(random.randInt(1), 0u);
    EXPECT_EQ(random.randInt(0xFFFFFFFFu), 2884733761u);
}

TEST(RandomTest, DrawsStayBelowTheBoundAndCoverIt)
{
    Random random;
    random.reseed(987654);
    std::vector<int> seen(8);
    for (int i = 0; i < 10000; ++i) {
        const auto value = random.randInt(8);
        ASSERT_LT(value, 8u);
        ++seen[value];
    }
    for (int count : seen)
        EXPECT_GT(count, 1000);
}

TEST(RandomTest, ReseedingWithTheSameTimeRepeatsTheDraws)
{
    Random a;
    Random b;
    a.reseed(4242);
    b.reseed(4242);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(a.randInt(200), b.randInt(200));
}

}  // namespace
}  // namespace korvalin

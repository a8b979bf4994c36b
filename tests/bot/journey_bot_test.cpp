// Whole journeys played through the game's handlers: every course reaches
// London, never stuck and never against a rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "journey_bot.h"
#include "support/in_english.h"
#include "support/temp_dir.h"

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

TEST_F(JourneyBotTest, EveryCourseIsPlayedToLondon)
{
    for (int course = 0; course < 3; ++course) {
        for (std::uint32_t seed : {1u, 4242u}) {
            const JourneyReport report = JourneyBot(course, seed, route, world).play(MaxTicks);
            EXPECT_EQ(report.ending, JourneyReport::Ending::London)
                << "course " << course + 1 << " seed " << seed << ": " << endingName(report.ending)
                << ": " << report.why;
        }
    }
}

std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A journey of one course with a fixed clock, saved where a player saves
// it: after every visa, and the diary again at the end.
struct PlayedJourney {
    PlayedJourney(int course, const std::vector<PlannedLeg>& route, const WorldGrid& world)
    {
        JourneyBot bot(course, 1, route, world);
        bot.saveTo(files);
        bot.play(MaxTicks);
        said = bot.said();
    }

    testing::TempDir dir;
    SaveFiles files{dir.path() / "korvalin.ini", dir.path() / "Nikki.txt",
                    dir.path() / "Kiseki.txt"};
    std::vector<std::string> said;
};

std::filesystem::path goldenPath(int course, const std::string& name)
{
    return std::filesystem::path(KORVALIN_TESTS_DIR) / "bot/golden" /
           ("course" + std::to_string(course + 1)) / name;
}

// The committed file a journey's file is compared with; after an intended
// change, KORVALIN_UPDATE_GOLDEN=1 writes the journey's own there first:
//   KORVALIN_UPDATE_GOLDEN=1 build/tests/korvalin_core_tests --gtest_filter='JourneyBot*'
std::string goldenJourneyFile(int course, const std::filesystem::path& file,
                              const std::string& name)
{
    const std::filesystem::path golden = goldenPath(course, name);
    if (std::getenv("KORVALIN_UPDATE_GOLDEN") != nullptr) {
        std::filesystem::create_directories(golden.parent_path());
        std::filesystem::copy_file(file, golden,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    return bytesOf(golden);
}

// One journey of each course: its diary, its last save and its trail are
// compared byte for byte with the committed ones, so that every diary text
// the journey writes and the order of the tick's steps are guarded at once.
TEST_F(JourneyBotTest, GoldenJourneysWriteTheCommittedDiarySaveAndTrail)
{
    for (int course = 0; course < 3; ++course) {
        const PlayedJourney journey(course, route, world);
        for (const auto& file : {journey.files.ini, journey.files.diary, journey.files.trail})
            EXPECT_EQ(bytesOf(file), goldenJourneyFile(course, file, file.filename().string()))
                << "course " << course + 1 << ": " << file.filename();
    }
}

// The same journeys in English: the diary is English, committed beside the
// Japanese one, while the save and the trail are the Japanese journey's to
// the byte, so that a game moves freely between the two languages; every
// box on the way spoke English too.
TEST_F(JourneyBotTest, EnglishJourneysWriteAnEnglishDiaryAndTheSameSaveAndTrail)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    const std::regex japanese("\xE3[\x80-\x83]|[\xE4-\xE9]|\xEF[\xBC-\xBE]");
    for (int course = 0; course < 3; ++course) {
        const PlayedJourney journey(course, route, world);
        const SaveFiles& files = journey.files;
        EXPECT_EQ(bytesOf(files.diary), goldenJourneyFile(course, files.diary, "Nikki_en.txt"))
            << "course " << course + 1;
        for (const auto& file : {files.ini, files.trail})
            EXPECT_EQ(bytesOf(file), bytesOf(goldenPath(course, file.filename().string())))
                << "course " << course + 1 << ": " << file.filename();
        for (const std::string& text : journey.said)
            EXPECT_FALSE(std::regex_search(text, japanese)) << text;
    }
}

}  // namespace
}  // namespace korvalin

// Every text the game can show or write, listed by tools/game_texts, must be
// writable in the game's code page, and none may change unnoticed: the list
// is kept byte for byte in game_texts.golden beside this file (rewrite it
// with KORVALIN_UPDATE_GOLDEN=1 after a deliberate change, and read the diff).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game_texts.h"
#include "support/shift_jis.h"

namespace korvalin {
namespace {

TEST(GameTextsTest, AreWritableInCp932AndMatchTheGoldenList)
{
    for (const GameText& text : gameTexts())
        expectShiftJisRoundTrip(text.text);

    const std::string actual = gameTextListing();
    const auto golden = std::filesystem::path(KORVALIN_TESTS_DIR) / "texts/game_texts.golden";
    if (std::getenv("KORVALIN_UPDATE_GOLDEN") != nullptr)
        std::ofstream(golden, std::ios::binary) << actual;
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << golden;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str());
}

}  // namespace
}  // namespace korvalin

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
#include "support/golden_file.h"
#include "support/shift_jis.h"

namespace korvalin {
namespace {

TEST(GameTextsTest, AreWritableInCp932AndMatchTheGoldenList)
{
    for (const GameText& text : gameTexts())
        expectShiftJisRoundTrip(text.text);

    const std::string actual = gameTextListing();
    EXPECT_EQ(actual, testing::goldenBytes("texts/game_texts.golden", actual));
}

}  // namespace
}  // namespace korvalin

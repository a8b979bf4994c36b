// The English catalogue: every text the game lists is translated, every
// translation places the values its text has, and what the English game
// can show or write is pinned byte for byte in game_texts_en.golden.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "catalogue_file.h"
#include "game_texts.h"
#include "source_texts.h"
#include "support/golden_file.h"
#include "support/in_english.h"
#include "support/shift_jis.h"

namespace korvalin {
namespace {

TEST(CatalogueTest, EveryTextTheEnglishGameShowsIsEnglishAndWritableInCp932)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    for (const GameText& text : gameTexts()) {
        expectShiftJisRoundTrip(text.text);
        // The way back to Japanese is named in Japanese.
        if (text.text != "日本語") {
            EXPECT_FALSE(holdsJapanese(text.text)) << text.place << ": " << text.text;
        }
    }
    const std::string listing = gameTextListing();
    EXPECT_EQ(listing, testing::goldenBytes("texts/game_texts_en.golden", listing));
}

std::set<std::string> placeholders(const std::string& text)
{
    std::set<std::string> found;
    const std::regex place("%[1-9]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), place);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

TEST(CatalogueTest, EveryTranslationKeepsItsTextsValues)
{
    const auto entries = readCatalogue(
        testing::readBytes(std::filesystem::path(KORVALIN_TESTS_DIR) / "../po/en.po"));
    ASSERT_GT(entries.size(), 1000u);
    for (const CatalogueEntry& entry : entries) {
        EXPECT_FALSE(entry.translation.empty()) << entry.id;
        // A number Japanese writes in 万 and 億, or ungrouped, English
        // writes whole and grouped, from the extra value its comment names.
        std::set<std::string> ids = placeholders(entry.id);
        static const std::regex wholeNumber("whole number in (%[1-9])");
        if (std::smatch whole; std::regex_search(entry.comment, whole, wholeNumber)) {
            const std::set<std::string> english = placeholders(entry.translation);
            EXPECT_TRUE(english.contains(whole[1].str())) << entry.id;
            ids.insert(whole[1].str());
            EXPECT_TRUE(std::ranges::includes(ids, english)) << entry.id;
        } else {
            EXPECT_EQ(placeholders(entry.translation), ids) << entry.id;
        }
    }
}

}  // namespace
}  // namespace korvalin

// The game's own reader of gettext's compiled catalogues, which Windows
// uses for want of gettext, read against the catalogue msgfmt compiles.
#include "game/mo_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/catalogue.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

std::string compiledEnglish()
{
    return testing::readBytes(cataloguePath(KORVALIN_CATALOGUES, "en"));
}

TEST(MoCatalogueTest, FindsWhatGettextFindsInTheCompiledCatalogue)
{
    const std::optional<MoCatalogue> catalogue = MoCatalogue::read(compiledEnglish());
    ASSERT_TRUE(catalogue);
    const struct {
        std::string key;
        const char* translation;
    } lookups[] = {
        {"銀行", "Bank"},
        {"ﾀﾞｲｱﾛｸﾞ", "Dialog"},
        {"TEndDlg\004ﾀﾞｲｱﾛｸﾞ", "Out of Money"},
        {"no such context\004銀行", nullptr},
        {"誰も書いていない文", nullptr},
    };
    for (const auto& lookup : lookups) {
        const char* found = catalogue->find(lookup.key);
        if (lookup.translation)
            EXPECT_STREQ(found, lookup.translation) << lookup.key;
        else
            EXPECT_EQ(found, nullptr) << lookup.key;
    }
    ASSERT_TRUE(catalogue->find(""));
    EXPECT_NE(std::string(catalogue->find("")).find("charset=UTF-8"), std::string::npos);
}

// A catalogue cut short or written over is no catalogue, and reading it
// never reaches past its end.
TEST(MoCatalogueTest, ADamagedCatalogueIsRefused)
{
    const std::string whole = compiledEnglish();
    const auto overwritten = [&](std::size_t at, std::string_view with) {
        return whole.substr(0, at) + std::string(with) + whole.substr(at + with.size());
    };
    const struct {
        const char* damage;
        std::string bytes;
    } damaged[] = {
        {"empty", ""},
        {"the header cut short", whole.substr(0, 12)},
        {"the strings cut short", whole.substr(0, whole.size() - 10)},
        {"big-endian", overwritten(0, "\x95\x04\x12\xde")},
        {"not a catalogue", overwritten(0, "PK\x03\x04")},
        {"a later major revision", overwritten(6, "\x02")},
        {"more texts than the file holds", overwritten(8, "\xff\xff\xff\x0f")},
        {"a table outside the file", overwritten(12, "\xff\xff\xff\xff")},
        // The first text's length and place, 28 bytes in.
        {"a text past the end", overwritten(32, "\xf0\xff\xff\xff")},
        {"a text not ended by a NUL", overwritten(28, "\x01")},
    };
    EXPECT_TRUE(MoCatalogue::read(whole));
    for (const auto& [damage, bytes] : damaged)
        EXPECT_FALSE(MoCatalogue::read(bytes)) << damage;
}

}  // namespace
}  // namespace korvalin

#include "game/language.h"

#include <gtest/gtest.h>

#include "support/in_english.h"
#include "support/temp_dir.h"

using korvalin::testing::TempDir;

namespace korvalin {
namespace {

TEST(LanguageTest, JapaneseIsTheTextsThemselvesAndEnglishReadsItsCatalogue)
{
    EXPECT_EQ(tr("銀行"), "銀行");
    {
        InEnglish english;
        ASSERT_TRUE(english.ready());
        EXPECT_EQ(tr("銀行"), "Bank");
        EXPECT_EQ(tr("誰も書いていない文"), "誰も書いていない文");
        EXPECT_EQ(languageInUse(), Language::English);
    }
    EXPECT_EQ(languageInUse(), Language::Japanese);
    EXPECT_EQ(tr("銀行"), "銀行");
}

TEST(LanguageTest, AContextKeepsTwoSpellingsOfOneTextApart)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    EXPECT_EQ(tr("TEndDlg", "ﾀﾞｲｱﾛｸﾞ"), "Out of Money");
    EXPECT_EQ(tr("ﾀﾞｲｱﾛｸﾞ"), "Dialog");
    EXPECT_EQ(tr("no such context", "銀行"), "銀行");
}

TEST(LanguageTest, ALanguageWithoutItsCatalogueIsRefusedAndTheOldOneKept)
{
    TempDir empty;
    EXPECT_FALSE(useLanguage(Language::English, empty.path()));
    EXPECT_EQ(languageInUse(), Language::Japanese);
    EXPECT_EQ(tr("銀行"), "銀行");
}

TEST(LanguageTest, TemplatesTakeTheirValuesWhereverTheLanguagePutsThem)
{
    EXPECT_EQ(fill("%2 before %1, %1 again", "one", 2), "2 before one, one again");
    EXPECT_EQ(fill("100% sure: %1", "yes"), "100% sure: yes");
    EXPECT_EQ(fill("%1 and %2", "alone"), "alone and %2");
    EXPECT_EQ(groupedNumber(1208840000), "1,208,840,000");
    EXPECT_EQ(groupedNumber(-2147483648LL), "-2,147,483,648");
    EXPECT_EQ(groupedNumber(999), "999");
}

TEST(LanguageTest, CodesNameTheLanguages)
{
    EXPECT_EQ(languageOfCode("en"), Language::English);
    EXPECT_EQ(languageOfCode("ja"), Language::Japanese);
    EXPECT_EQ(languageOfCode("fr"), std::nullopt);
}

}  // namespace
}  // namespace korvalin

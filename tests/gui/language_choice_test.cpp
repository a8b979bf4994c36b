// Which language a start plays in: the command line's, else the one the
// player chose last, else Japanese whatever the locale.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/language_qt.h"

namespace korvalin {
namespace {

TEST(LanguageChoiceTest, TheCommandLineThenTheRememberedChoiceThenJapanese)
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    qputenv("LANG", "en_GB.UTF-8");
    const QString program = QStringLiteral("korvalin");

    EXPECT_EQ(startingLanguage({program}).language, Language::Japanese);
    rememberLanguage(Language::English);
    EXPECT_EQ(startingLanguage({program}).language, Language::English);
    EXPECT_EQ(startingLanguage({program, QStringLiteral("--language"), QStringLiteral("ja")}).language,
              Language::Japanese);
    EXPECT_EQ(startingLanguage({program}).language, Language::English) << "the option is not kept";
    EXPECT_TRUE(QFile::exists(config.path() + "/korvalin/korvalin.ini"));

    const StartingLanguage unknown =
        startingLanguage({program, QStringLiteral("--language"), QStringLiteral("fr")});
    EXPECT_FALSE(unknown.language);
    EXPECT_EQ(unknown.message, QStringLiteral("Korvalin has no language \"fr\": ja or en."));
    EXPECT_FALSE(startingLanguage({program, QStringLiteral("Nikki.txt")}).language);
    qunsetenv("LANG");
}

}  // namespace
}  // namespace korvalin

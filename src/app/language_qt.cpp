#include "app/language_qt.h"

#include <QCommandLineParser>
#include <QSettings>

#include "widgets/text_qt.h"

namespace korvalin {

namespace {

const QString LanguageKey = QStringLiteral("language");

QSettings playerSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("korvalin"),
                     QStringLiteral("korvalin"));
}

std::optional<Language> languageOf(const QString& code)
{
    return languageOfCode(code.toStdString());
}

}  // namespace

StartingLanguage startingLanguage(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption languageOption(
        LanguageKey, QStringLiteral("Plays in this language: ja (the default) or en."),
        QStringLiteral("code"));
    parser.addOption(languageOption);
    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return {std::nullopt, QStringLiteral("Korvalin takes no file: %1")
                                  .arg(parser.positionalArguments().join(QLatin1Char(' ')))};
    if (parser.isSet(languageOption)) {
        const QString code = parser.value(languageOption);
        if (const std::optional<Language> language = languageOf(code))
            return {language, {}};
        return {std::nullopt,
                QStringLiteral("Korvalin has no language \"%1\": ja or en.").arg(code)};
    }
    const std::optional<Language> remembered =
        languageOf(playerSettings().value(LanguageKey).toString());
    return {remembered.value_or(Language::Japanese), {}};
}

void rememberLanguage(Language language)
{
    playerSettings().setValue(LanguageKey, qtext(languageCode(language)));
}

}  // namespace korvalin

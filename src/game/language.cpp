#include "game/language.h"

#include <libintl.h>

#include <array>
#include <clocale>
#include <cstdlib>
#include <system_error>

#include "world/tile_sheet_places.h"

namespace korvalin {

namespace {

constexpr const char* Domain = "korvalin";
// How gettext joins a context to its text.
constexpr char ContextSeparator = '\004';

Language inUse = Language::Japanese;

struct LanguageName {
    Language language;
    std::string_view code;
};
constexpr std::array<LanguageName, 2> LanguageNames{{
    {Language::Japanese, "ja"},
    {Language::English, "en"},
}};

std::filesystem::path cataloguePath(const std::filesystem::path& catalogues, Language language)
{
    return catalogues / languageCode(language) / "LC_MESSAGES" / (std::string(Domain) + ".mo");
}

// The catalogue's text for a key, or nothing when it has none.
const char* lookUp(const std::string& key)
{
    const char* found = dgettext(Domain, key.c_str());
    return found == key.c_str() ? nullptr : found;
}

}  // namespace

std::string_view languageCode(Language language)
{
    for (const LanguageName& name : LanguageNames) {
        if (name.language == language)
            return name.code;
    }
    return {};
}

std::optional<Language> languageOfCode(std::string_view code)
{
    for (const LanguageName& name : LanguageNames) {
        if (name.code == code)
            return name.language;
    }
    return std::nullopt;
}

std::filesystem::path catalogueFolder(const std::filesystem::path& programFolder)
{
    std::error_code ignored;
    const std::filesystem::path besideProgram = programFolder / "locale";
    if (std::filesystem::is_directory(besideProgram, ignored))
        return besideProgram;
    return installedDataFolder(programFolder) / "locale";
}

bool useLanguage(Language language, const std::filesystem::path& catalogues)
{
    if (language == Language::Japanese) {
        inUse = language;
        return true;
    }
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(cataloguePath(catalogues, language), ignored))
        return false;
    bindtextdomain(Domain, catalogues.c_str());
    bind_textdomain_codeset(Domain, "UTF-8");
    // gettext picks the catalogue by LANGUAGE, whatever the player's locale,
    // but ignores it under the plain C locale; setting the locale also
    // empties gettext's cache of earlier answers.
    setenv("LANGUAGE", std::string(languageCode(language)).c_str(), 1);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    if (!lookUp(""))  // the catalogue's header: without it nothing was read
        return false;
    inUse = language;
    return true;
}

Language languageInUse()
{
    return inUse;
}

std::string_view tr(std::string_view japanese)
{
    if (inUse == Language::Japanese || japanese.empty())
        return japanese;
    const char* found = lookUp(std::string(japanese));
    return found ? std::string_view(found) : japanese;
}

std::string_view tr(std::string_view context, std::string_view japanese)
{
    if (inUse == Language::Japanese || japanese.empty())
        return japanese;
    std::string key(context);
    key += ContextSeparator;
    key += japanese;
    const char* found = lookUp(key);
    return found ? std::string_view(found) : japanese;
}

std::string fillTemplate(std::string_view pattern, std::span<const std::string> values)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t place = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < values.size()) {
            filled += values[place];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string groupedNumber(std::int64_t number)
{
    const std::uint64_t magnitude = number < 0 ? 0 - static_cast<std::uint64_t>(number)
                                               : static_cast<std::uint64_t>(number);
    const std::string digits = std::to_string(magnitude);
    std::string grouped = number < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace korvalin

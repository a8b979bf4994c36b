#include "game/language.h"

#include <array>
#include <system_error>

#include "game/catalogue.h"
#include "world/tile_sheet_places.h"

namespace korvalin {

namespace {

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
    if (!openCatalogue(catalogues, languageCode(language)))
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
    const char* found = catalogueText(std::string(japanese));
    return found ? std::string_view(found) : japanese;
}

std::string_view tr(std::string_view context, std::string_view japanese)
{
    if (inUse == Language::Japanese || japanese.empty())
        return japanese;
    std::string key(context);
    key += ContextSeparator;
    key += japanese;
    const char* found = catalogueText(key);
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

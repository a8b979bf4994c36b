#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace korvalin {

// The languages the game is played in. Japanese is the language its texts
// are written in and needs no catalogue: its texts are the catalogues' keys.
// Every other language reads po/<code>.po, compiled, from
// <catalogues>/<code>/LC_MESSAGES/korvalin.mo.
enum class Language { Japanese, English };

std::string_view languageCode(Language language);  // "ja", "en"
std::optional<Language> languageOfCode(std::string_view code);

// Where the catalogues lie: beside the program in its build folder, else in
// the data folder of an installed copy.
std::filesystem::path catalogueFolder(const std::filesystem::path& programFolder);

// Plays in `language` from now on. False, and the language kept, when its
// catalogue cannot be read.
bool useLanguage(Language language, const std::filesystem::path& catalogues);
Language languageInUse();

// A text of the game in the language of play; the Japanese text itself
// when the catalogue has nothing for it.
std::string_view tr(std::string_view japanese);
// The same for a text the catalogue keeps apart by a context: a help page,
// a name that is spelt one way here and another there.
std::string_view tr(std::string_view context, std::string_view japanese);

// Puts the values into a template's places %1 ... %9, wherever the
// language put them; a place with no value stays as it is.
std::string fillTemplate(std::string_view pattern, std::span<const std::string> values);

template <typename... Values>
std::string fill(std::string_view pattern, const Values&... values)
{
    const auto asText = [](const auto& value) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(value)>>)
            return std::to_string(value);
        else
            return std::string(value);
    };
    const std::vector<std::string> texts{asText(values)...};
    return fillTemplate(pattern, texts);
}

// A whole number with its thousands grouped: 1,208,840,000.
std::string groupedNumber(std::int64_t number);

}  // namespace korvalin

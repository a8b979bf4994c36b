#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvalin {

// The game's translation catalogue, gettext's compiled .mo file, read by
// gettext where the system has it and by the game itself where it has not
// (game/posix, game/windows).

inline constexpr std::string_view CatalogueDomain = "korvalin";

// <catalogues>/<code>/LC_MESSAGES/korvalin.mo
inline std::filesystem::path cataloguePath(const std::filesystem::path& catalogues,
                                           std::string_view languageCode)
{
    return catalogues / languageCode / "LC_MESSAGES" / (std::string(CatalogueDomain) + ".mo");
}

// Looks texts up in the catalogue of the language `languageCode` from now
// on. False, and the catalogue in use kept, when it cannot be read.
bool openCatalogue(const std::filesystem::path& catalogues, std::string_view languageCode);

// The catalogue's text for a key ("context\004text" for a text under a
// context), or nothing when it has none.
const char* catalogueText(const std::string& key);

}  // namespace korvalin

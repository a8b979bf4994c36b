#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvalin {

// Conversion between the game's UTF-8 texts and Shift-JIS as Windows writes
// it (code page 932: half-width katakana, NEC special characters). Nothing
// is replaced silently: a text that cannot be converted gives no result.
std::optional<std::string> toCp932(std::string_view utf8);
std::optional<std::string> fromCp932(std::string_view bytes);

}  // namespace korvalin

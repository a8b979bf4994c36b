#pragma once

#include <cstdint>
#include <string_view>

namespace korvalin {

// A saved integer as the game has always read it: decimal with an optional
// sign, or hexadecimal after "0x" or "0X" (up to 32 bits, which wrap into
// the sign); text that is not such a number, or that is out of range,
// gives `fallback`.
std::int32_t profileInteger(std::string_view text, std::int32_t fallback);

// A saved text is read into a buffer of 1024 bytes: at most 1023 bytes of
// Shift-JIS come back, cut before a character that would not fit whole.
std::string_view profileText(std::string_view cp932);

}  // namespace korvalin

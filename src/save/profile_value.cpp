#include "save/profile_value.h"

#include <charconv>

namespace korvalin {

namespace {

constexpr std::size_t ProfileBufferBytes = 1024;

// The first byte of a two-byte Shift-JIS character.
bool leadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

template <typename Number>
bool parseWhole(std::string_view text, Number& number, int base)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number, base);
    return !text.empty() && error == std::errc() && stop == end;
}

}  // namespace

std::int32_t profileInteger(std::string_view text, std::int32_t fallback)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t bits = 0;
        return parseWhole(text.substr(2), bits, 16) ? static_cast<std::int32_t>(bits) : fallback;
    }
    // A plus sign is allowed; from_chars takes only the minus.
    if (text.starts_with('+') && !text.substr(1).starts_with('-'))
        text.remove_prefix(1);
    std::int32_t number = 0;
    return parseWhole(text, number, 10) ? number : fallback;
}

std::string_view profileText(std::string_view cp932)
{
    const std::size_t limit = ProfileBufferBytes - 1;
    if (cp932.size() <= limit)
        return cp932;
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t next = end + (leadByte(cp932[end]) ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return cp932.substr(0, end);
}

}  // namespace korvalin

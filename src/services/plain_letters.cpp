#include "services/plain_letters.h"

#include <algorithm>
#include <array>
#include <utility>

namespace korvalin {

namespace {

// The letters of Latin-1 and Latin Extended-A, by the plain letters each is
// written with.
constexpr std::array<std::pair<std::string_view, std::string_view>, 45> PlainLetters{{
    {"A", "ÀÁÂÃÄÅĀĂĄ"}, {"a", "àáâãäåāăą"},  {"AE", "Æ"},         {"ae", "æ"},
    {"C", "ÇĆĈĊČ"},     {"c", "çćĉċč"},      {"D", "ÐĎĐ"},        {"d", "ðďđ"},
    {"E", "ÈÉÊËĒĔĖĘĚ"}, {"e", "èéêëēĕėęě"},  {"G", "ĜĞĠĢ"},       {"g", "ĝğġģ"},
    {"H", "ĤĦ"},        {"h", "ĥħ"},         {"I", "ÌÍÎÏĨĪĬĮİ"},  {"i", "ìíîïĩīĭįı"},
    {"J", "Ĵ"},         {"j", "ĵ"},          {"K", "Ķ"},          {"k", "ķ"},
    {"L", "ĹĻĽĿŁ"},     {"l", "ĺļľŀł"},      {"N", "ÑŃŅŇŊ"},      {"n", "ñńņňŋ"},
    {"O", "ÒÓÔÕÖØŌŎŐ"}, {"o", "òóôõöøōŏő"},  {"OE", "Œ"},         {"oe", "œ"},
    {"R", "ŔŖŘ"},       {"r", "ŕŗř"},        {"S", "ŚŜŞŠ"},       {"s", "śŝşš"},
    {"ss", "ß"},        {"T", "ŢŤŦ"},        {"t", "ţťŧ"},        {"Th", "Þ"},
    {"th", "þ"},        {"U", "ÙÚÛÜŨŪŬŮŰŲ"}, {"u", "ùúûüũūŭůűų"}, {"W", "Ŵ"},
    {"w", "ŵ"},         {"Y", "ÝŶŸ"},        {"y", "ýÿŷ"},        {"Z", "ŹŻŽ"},
    {"z", "źżž"},
}};

// The length in bytes of the UTF-8 character that starts with `lead`.
std::size_t characterLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

std::string_view plainFormOf(std::string_view character)
{
    for (const auto& [plain, letters] : PlainLetters) {
        if (letters.find(character) != std::string_view::npos)
            return plain;
    }
    return character;
}

}  // namespace

std::string withPlainLetters(std::string_view name)
{
    std::string plain;
    plain.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length =
            std::min(characterLength(static_cast<unsigned char>(name[at])), name.size() - at);
        const std::string_view character = name.substr(at, length);
        plain += character.size() == 1 ? character : plainFormOf(character);
        at += length;
    }
    return plain;
}

}  // namespace korvalin

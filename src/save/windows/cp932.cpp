#include "save/cp932.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <utility>

namespace korvalin {

namespace {

constexpr UINT ShiftJis = 932;

// Characters that iconv's CP932 on Linux writes as the Microsoft form
// beside them, and reads back as that form; Windows refuses them. The game
// writes the same bytes on both.
constexpr std::array<std::pair<wchar_t, wchar_t>, 9> OtherForms{{
    {L'\u00A2', L'\uFFE0'},  // ¢ ￠
    {L'\u00A3', L'\uFFE1'},  // £ ￡
    {L'\u00A5', L'\u005C'},  // ¥ as the backslash's byte, 0x5C
    {L'\u00AC', L'\uFFE2'},  // ¬ ￢
    {L'\u2014', L'\u2015'},  // — ―
    {L'\u2016', L'\u2225'},  // ‖ ∥
    {L'\u203E', L'\u007E'},  // ‾ ~
    {L'\u2212', L'\uFF0D'},  // − －
    {L'\u301C', L'\uFF5E'},  // 〜 ～
}};

// What Windows reads from or writes as the bytes 0x80, 0xA0 and 0xFD to
// 0xFF, which iconv's CP932 holds to be no characters at all.
bool isOutsideIconvsTable(wchar_t c)
{
    return c == L'\u0080' || (c >= L'\uF8F0' && c <= L'\uF8F3');
}

std::optional<std::wstring> toWide(UINT codePage, std::string_view bytes)
{
    if (bytes.empty())
        return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int length =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
    return wide;
}

// Into UTF-8 Windows takes no flag but the one that refuses what it cannot
// write, and tells of no default character put in.
std::optional<std::string> fromWide(UINT codePage, std::wstring_view wide)
{
    if (wide.empty())
        return std::string();
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const replaced = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, replaced);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8)
{
    std::optional<std::wstring> wide = toWide(CP_UTF8, utf8);
    if (!wide || std::ranges::any_of(*wide, isOutsideIconvsTable))
        return std::nullopt;
    for (wchar_t& c : *wide) {
        const auto other = std::ranges::find(OtherForms, c, &std::pair<wchar_t, wchar_t>::first);
        if (other != OtherForms.end())
            c = other->second;
    }
    std::optional<std::string> bytes = fromWide(ShiftJis, *wide);
    // Nothing is written that would not read back as written.
    if (!bytes || toWide(ShiftJis, *bytes) != wide)
        return std::nullopt;
    return bytes;
}

std::optional<std::string> fromCp932(std::string_view bytes)
{
    const std::optional<std::wstring> wide = toWide(ShiftJis, bytes);
    if (!wide || std::ranges::any_of(*wide, isOutsideIconvsTable))
        return std::nullopt;
    return fromWide(CP_UTF8, *wide);
}

}  // namespace korvalin

#include "save/ini_section.h"

#include <algorithm>

namespace korvalin {

namespace {

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowered(x) == lowered(y); });
}

// The next line of `text`, which loses it and its end (CR LF, LF or CR).
std::string_view nextLine(std::string_view& text)
{
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    std::size_t skip = end;
    if (skip < text.size())
        skip += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    text.remove_prefix(skip);
    return line;
}

}  // namespace

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<IniSection> IniSection::parse(std::string_view text, std::string_view name)
{
    std::optional<IniSection> section;
    bool inside = false;
    while (!text.empty()) {
        const std::string_view line = trimmed(nextLine(text));
        if (line.starts_with('[')) {
            if (inside)
                break;
            const std::size_t close = line.find(']');
            inside = close != std::string_view::npos &&
                     sameName(trimmed(line.substr(1, close - 1)), name);
            if (inside)
                section.emplace();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inside || equals == std::string_view::npos || line.starts_with(';'))
            continue;
        section->values_.emplace(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
    return section;
}

std::optional<std::string_view> IniSection::value(std::string_view key) const
{
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

bool IniSection::CaseBlindLess::operator()(std::string_view a, std::string_view b) const
{
    return std::ranges::lexicographical_compare(
        a, b, [](char x, char y) { return lowered(x) < lowered(y); });
}

std::string formatIniSection(std::string_view name, std::span<const IniLine> lines)
{
    std::string text = "[" + std::string(name) + "]\r\n";
    for (const IniLine& line : lines) {
        text += line.key;
        text += '=';
        text += line.value;
        text += "\r\n";
    }
    return text;
}

}  // namespace korvalin

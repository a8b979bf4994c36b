#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvalin {

// One section of an INI file as Windows' profile functions read it: section
// and key names match without regard to case, spaces around names and
// values do not count, only the first section of a name is read and a key
// repeated inside it keeps its first value. Values are the file's bytes;
// the caller converts them.
class IniSection {
public:
    // Nothing when the text has no section of that name.
    static std::optional<IniSection> parse(std::string_view text, std::string_view name);

    // Nothing when the section has no such key.
    std::optional<std::string_view> value(std::string_view key) const;

private:
    // Names in ASCII match whatever their case, without a lowered copy of
    // each: a load looks up every key of the saved game.
    struct CaseBlindLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::map<std::string, std::string, CaseBlindLess> values_;
};

// Without the spaces and tabs at either end, which no name or value keeps.
std::string_view trimmed(std::string_view text);

struct IniLine {
    std::string_view key;
    std::string_view value;
};

// "[name]" and then one "key=value" line per entry, each ended by CR LF as
// Windows ends its lines.
std::string formatIniSection(std::string_view name, std::span<const IniLine> lines);

}  // namespace korvalin

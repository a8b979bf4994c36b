#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace korvalin {

// A compiled gettext catalogue (a little-endian .mo file), read whole by
// the game itself where the system has no gettext. Only what the game asks
// of it is read: each text and its translation; a text with plural forms
// translates to its first.
class MoCatalogue {
public:
    // Nothing when `bytes` are not such a catalogue, or one cut short.
    static std::optional<MoCatalogue> read(std::string_view bytes);

    // The translation of `key` ("context\004text" under a context), or
    // nothing. The catalogue's header is the translation of "".
    const char* find(const std::string& key) const;

private:
    std::unordered_map<std::string, std::string> translations_;
};

}  // namespace korvalin

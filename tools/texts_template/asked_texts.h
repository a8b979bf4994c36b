#pragma once

#include <compare>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace korvalin {

// A text as a catalogue keeps it: the Japanese text, under its context.
struct TextKey {
    std::string context;  // empty: none
    std::string id;

    auto operator<=>(const TextKey&) const = default;
};

// Stands in for the catalogue while the game lists its texts, and notes
// every text the game asks it for. Each answer is the text itself, marked,
// so that a text made from answers (a sum of money, a line with a name in
// it) is never taken for one the catalogue keeps. A text under a context is
// answered only where a catalogue keeps it so: the code then goes on to ask
// for the text alone wherever the context is only offered (a window's class
// name, "city"), and such an offer no catalogue takes up is no key.
class AskedTexts {
public:
    explicit AskedTexts(std::set<TextKey> keptApart) : keptApart_(std::move(keptApart)) {}

    // The answer to a key as gettext takes it ("context\004text"), or null
    // for a text the catalogue does not keep.
    const char* answer(std::string_view key);

    // In the order first asked.
    std::vector<TextKey> keys() const;

private:
    std::set<TextKey> keptApart_;
    std::vector<TextKey> asked_;
    std::set<TextKey> seen_;
    std::set<std::string> answers_;  // a set's strings stay where they are
};

}  // namespace korvalin

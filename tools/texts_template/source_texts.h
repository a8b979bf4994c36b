#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvalin {

// A string literal as the compiler sees it: its bytes with the escapes
// undone, pieces that stand side by side joined, at the line of its first
// piece. Comments and character literals hold none.
struct SourceLiteral {
    std::string text;
    int line = 0;
};

// A literal handed straight to tr() or qtr(), with its context when tr() is
// given one: a text the catalogue is asked for by name.
struct TranslatedLiteral {
    std::string context;  // empty: none
    std::string text;
};

// A literal given a name: a constant's value, a table's field.
struct NamedLiteral {
    std::string name;
    std::string text;
};

// A name given another's value: Caption = AtSeaCaption;
struct Renaming {
    std::string name;
    std::string from;
};

struct SourceTexts {
    std::vector<SourceLiteral> literals;
    std::vector<TranslatedLiteral> translated;
    std::vector<NamedLiteral> named;
    std::vector<Renaming> renamed;
    // The names handed alone to tr() or qtr(): the last in
    // tr(TravelModes[i].caption), as in tr(caption).
    std::vector<std::string> translatedNames;
};

SourceTexts scanSource(std::string_view code);

// Whether a text holds a Japanese letter: kana, kanji or full-width forms.
bool holdsJapanese(std::string_view text);

}  // namespace korvalin

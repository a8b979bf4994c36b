#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvalin {

// One entry of a catalogue (po/<language>.po) or of the template.
struct CatalogueEntry {
    std::string comment;                  // the translator's lines, joined by '\n'
    std::vector<std::string> references;  // "folder/file.cpp:LINE", relative to src/
    std::vector<std::string> flags;       // "fuzzy", ...
    std::string context;                  // empty: none
    std::string id;
    std::string translation;
    bool obsolete = false;  // kept by msgmerge under #~ after the code dropped its text
};

// The entries as msgfmt reads them, the header left out: a keyword's string
// and the strings on the lines after it are one text.
std::vector<CatalogueEntry> readCatalogue(std::string_view po);

}  // namespace korvalin

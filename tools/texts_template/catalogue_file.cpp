#include "catalogue_file.h"

#include <sstream>

namespace korvalin {

namespace {

// The text between a line's first and last quote, its escapes undone.
std::string unquote(std::string_view line)
{
    const std::size_t open = line.find('"');
    const std::size_t close = line.rfind('"');
    std::string text;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (line[i] != '\\' || i + 1 == close) {
            text += line[i];
            continue;
        }
        const char escaped = line[++i];
        text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
    }
    return text;
}

std::vector<std::string> words(std::string_view text)
{
    std::istringstream stream{std::string(text)};
    std::vector<std::string> found;
    for (std::string word; stream >> word;)
        found.push_back(word.back() == ',' ? word.substr(0, word.size() - 1) : word);
    return found;
}

}  // namespace

std::vector<CatalogueEntry> readCatalogue(std::string_view po)
{
    std::vector<CatalogueEntry> entries;
    CatalogueEntry entry;
    std::string* current = nullptr;
    bool translated = false;  // the entry's msgstr was read: what follows starts the next
    const auto finish = [&] {
        if (translated && (!entry.id.empty() || !entry.context.empty()))
            entries.push_back(entry);
        entry = {};
        current = nullptr;
        translated = false;
    };
    std::istringstream lines{std::string(po)};
    for (std::string line; std::getline(lines, line);) {
        const bool obsolete = line.starts_with("#~");
        if (obsolete)
            line = line.substr(line.starts_with("#~ ") ? 3 : 2);
        const bool keyword = line.starts_with("msgctxt ") || line.starts_with("msgid ");
        if (translated && (keyword || (line.starts_with("#") && !line.starts_with("#~"))))
            finish();
        entry.obsolete = entry.obsolete || obsolete;
        if (line.starts_with("#:")) {
            for (std::string& reference : words(std::string_view(line).substr(2)))
                entry.references.push_back(std::move(reference));
        } else if (line.starts_with("#,")) {
            entry.flags = words(std::string_view(line).substr(2));
        } else if (line == "#" || line.starts_with("# ")) {
            entry.comment += (entry.comment.empty() ? "" : "\n") + line.substr(line == "#" ? 1 : 2);
        } else if (line.starts_with("msgctxt ")) {
            current = &entry.context;
            *current = unquote(line);
        } else if (line.starts_with("msgid ")) {
            current = &entry.id;
            *current = unquote(line);
        } else if (line.starts_with("msgstr ")) {
            current = &entry.translation;
            *current = unquote(line);
            translated = true;
        } else if (line.starts_with("\"") && current) {
            *current += unquote(line);
        } else if (!line.starts_with("#")) {
            current = nullptr;
        }
    }
    finish();
    return entries;
}

}  // namespace korvalin

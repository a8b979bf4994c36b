#include "text_template.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <span>
#include <sstream>

#include "source_texts.h"

namespace korvalin {

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// Where each text stands in the sources.
class Places {
public:
    explicit Places(const std::vector<SourceFile>& sources)
    {
        for (const SourceFile& file : sources)
            files_.push_back({file.path, scanSource(file.text).literals});
    }

    // "folder/file.cpp:LINE" of each literal that is the text; failing
    // those, of the first of the literals that are its lines in a row (a
    // help page), of those that hold it (a city's name, cut from its
    // caption), or of the two it is joined from (an embassy's name).
    std::vector<std::string> of(const std::string& text) const
    {
        std::vector<std::string> places = where({text});
        if (places.empty() && text.find('\n') != std::string::npos)
            places = where(linesOf(text));
        if (places.empty())
            places = holding(text);
        for (std::size_t cut = 1; places.empty() && cut < text.size(); ++cut) {
            const bool betweenLetters = (text[cut] & 0xC0) != 0x80;
            if (const auto head = where({text.substr(0, cut)}); betweenLetters && !head.empty())
                places = joined(head, where({text.substr(cut)}));
        }
        return places;
    }

private:
    struct FileLiterals {
        std::string path;
        std::vector<SourceLiteral> literals;
    };

    // The place of the first of each `count` literals in a row that match.
    template <typename Matches>
    std::vector<std::string> placesWhere(std::size_t count, Matches matches) const
    {
        std::vector<std::string> places;
        for (const FileLiterals& file : files_) {
            const std::span<const SourceLiteral> literals(file.literals);
            for (std::size_t i = 0; i + count <= literals.size(); ++i) {
                const std::string place = file.path + ':' + std::to_string(literals[i].line);
                if (matches(literals.subspan(i, count)) &&
                    (places.empty() || places.back() != place))
                    places.push_back(place);
            }
        }
        return places;
    }

    std::vector<std::string> where(const std::vector<std::string>& lines) const
    {
        return placesWhere(lines.size(), [&lines](std::span<const SourceLiteral> row) {
            return std::ranges::equal(lines, row, {}, {}, &SourceLiteral::text);
        });
    }

    std::vector<std::string> holding(const std::string& text) const
    {
        return placesWhere(1, [&text](std::span<const SourceLiteral> row) {
            return row.front().text.find(text) != std::string::npos;
        });
    }

    // Both parts' places, or none when either part stands nowhere.
    static std::vector<std::string> joined(std::vector<std::string> head,
                                           const std::vector<std::string>& tail)
    {
        if (head.empty() || tail.empty())
            return {};
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    }

    std::vector<FileLiterals> files_;
};

std::string poString(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\n')
            quoted += "\\n\"\n\"";
        else if (c == '"' || c == '\\')
            quoted += {'\\', c};
        else if (c == '\t')
            quoted += "\\t";
        else
            quoted += c;
    }
    quoted += '"';
    // A text of several lines starts on the line after its keyword, one
    // line of the text to a line, as gettext's own tools write it.
    if (const std::size_t last = quoted.rfind("\n\"\"");
        last != std::string::npos && last + 3 == quoted.size())
        quoted.erase(last);
    if (quoted.find('\n') != std::string::npos)
        quoted = "\"\"\n" + quoted;
    return quoted;
}

std::string referenceLines(const std::vector<std::string>& places)
{
    std::string lines;
    std::string line = "#:";
    for (const std::string& place : places) {
        if (line.size() > 2 && line.size() + 1 + place.size() > 79) {
            lines += line + '\n';
            line = "#:";
        }
        line += ' ' + place;
    }
    return lines + line + '\n';
}

constexpr std::string_view Header =
    "# The texts of Korvalin, from which every catalogue in po/ is merged:\n"
    "# written by tools/texts_template from the game's own list of its texts\n"
    "# and the places in src/ where they stand. Refreshed, never edited (see\n"
    "# README.md).\n"
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Project-Id-Version: Korvalin\\n\"\n"
    "\"MIME-Version: 1.0\\n\"\n"
    "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
    "\"Content-Transfer-Encoding: 8bit\\n\"\n";

// The texts the sources hand to tr() or qtr(): a literal, or a name a
// literal is given (itself, or by way of another name).
std::vector<TextKey> translatedInSources(const std::vector<SourceFile>& sources)
{
    std::vector<TextKey> keys;
    std::multimap<std::string, std::string> named;
    std::vector<std::string> translatedNames;
    std::vector<Renaming> renamed;
    for (const SourceFile& file : sources) {
        SourceTexts texts = scanSource(file.text);
        for (TranslatedLiteral& literal : texts.translated)
            keys.push_back({std::move(literal.context), std::move(literal.text)});
        for (NamedLiteral& literal : texts.named)
            named.emplace(std::move(literal.name), std::move(literal.text));
        translatedNames.insert(translatedNames.end(), texts.translatedNames.begin(),
                               texts.translatedNames.end());
        renamed.insert(renamed.end(), texts.renamed.begin(), texts.renamed.end());
    }
    for (const Renaming& renaming : renamed) {
        const auto [first, last] = named.equal_range(renaming.from);
        for (const auto& [from, text] : std::vector(first, last))
            named.emplace(renaming.name, text);
    }
    for (const std::string& name : translatedNames) {
        const auto [first, last] = named.equal_range(name);
        for (auto it = first; it != last; ++it)
            keys.push_back({"", it->second});
    }
    return keys;
}

}  // namespace

std::vector<SourceFile> filesUnder(const std::filesystem::path& folder,
                                   std::initializer_list<std::string_view> extensions)
{
    std::vector<SourceFile> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
        const std::filesystem::path& path = item.path();
        if (!item.is_regular_file() ||
            std::ranges::find(extensions, path.extension()) == extensions.end())
            continue;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        files.push_back({path.lexically_relative(folder).generic_string(), text.str()});
    }
    std::ranges::sort(files, {}, &SourceFile::path);
    return files;
}

TextTemplate textTemplate(std::vector<TextKey> keys, const std::vector<SourceFile>& sources)
{
    for (TextKey& key : translatedInSources(sources)) {
        // An empty text stands for "nothing shown", and is never looked up.
        if (!key.id.empty() && std::ranges::find(keys, key) == keys.end())
            keys.push_back(std::move(key));
    }
    const Places places(sources);
    TextTemplate result{std::string(Header), {}};
    for (const TextKey& key : keys) {
        const std::vector<std::string> found = places.of(key.id);
        if (found.empty())
            result.unplaced.push_back(key);
        result.pot += '\n';
        if (!found.empty())
            result.pot += referenceLines(found);
        if (!key.context.empty())
            result.pot += "msgctxt " + poString(key.context) + '\n';
        result.pot += "msgid " + poString(key.id) + "\nmsgstr \"\"\n";
    }
    return result;
}

}  // namespace korvalin

// The template po/korvalin.pot and the catalogues merged from it: the
// template is what tools/texts_template makes of the sources today, every
// catalogue translates exactly the template's texts, every reference names a
// line that exists, and every Japanese literal in src/ is a text of the
// template or one of the few that are no text to translate (see below).
// `cmake --build build --target update-texts` brings the files up to date.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "catalogue_file.h"
#include "source_texts.h"
#include "support/golden_file.h"
#include "text_template.h"

namespace korvalin {
namespace {

const std::filesystem::path Root = std::filesystem::path(KORVALIN_TESTS_DIR).parent_path();

// A Japanese literal of src/ reaches the player when the code translates
// it, and then it is a text of the template (or a line of one). These few
// are not texts to translate, whatever the language: bytes a file keeps,
// pieces of text the code looks for or swaps, a font's name.
const std::set<std::string> NoTexts = {
    "旅の軌跡（日,x,y）",  // the trail file's first line
    "〜",
    "～",
    "－",  // a name's letters, as the saved files keep them
    "首都",
    "　",               // what marks a capital's caption, and a city's
    "ＭＳ Ｐゴシック",  // the font the windows ask for
};

std::string output(const std::string& command)
{
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t read; pipe && (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, read);
    if (!pipe || pclose(pipe) != 0)
        ADD_FAILURE() << command << " failed";
    return text;
}

std::vector<CatalogueEntry> templateEntries()
{
    return readCatalogue(testing::readBytes(Root / "po/korvalin.pot"));
}

std::string keyName(const CatalogueEntry& entry)
{
    return (entry.context.empty() ? "" : "[" + entry.context + "] ") + entry.id;
}

// The line where two texts first differ, as "line N: expected / actual".
std::string firstDifference(const std::string& expected, const std::string& actual)
{
    std::istringstream a(expected), b(actual);
    std::string lineA, lineB;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            return "none";
        if (lineA != lineB || moreA != moreB)
            return "line " + std::to_string(line) + ": \"" + lineA + "\" / \"" + lineB + "\"";
    }
}

struct ScanCase {
    const char* name;
    const char* code;
    std::vector<std::string> literals;
    std::vector<std::string> translated;  // "context|text", or the text
    std::vector<std::string> translatedNames;
};

TEST(TemplateTest, SourcesAreReadAsTheCompilerReadsThem)
{
    const ScanCase cases[] = {
        {"joined pieces", "x = \"日本\"\n  // \"no\"\n  \"語\";", {"日本語"}, {}, {}},
        {"escapes", R"(tr("a\n\"b\"\\\x41\101");)", {"a\n\"b\"\\AA"}, {"a\n\"b\"\\AA"}, {}},
        {"raw", "R\"x(日\n\")x\" \"本\"", {"日\n\"本"}, {}, {}},
        {"comments", "/* \"a\" */ // \"b\"\n\"c\"", {"c"}, {}, {}},
        {"characters and numbers", "'\"'; 1'000; u8\"a\"", {"a"}, {}, {}},
        {"a context",
         "tr(\"city\", \"クウェート\")",
         {"city", "クウェート"},
         {"city|クウェート"},
         {}},
        {"qtr alone", "qtr(\"a\"); xtr(\"b\");", {"a", "b"}, {"a"}, {}},
        {"by name",
         "tr(TravelModes[i].caption); qtr(Texts::Heading); tr(a ? b : c)",
         {},
         {},
         {"caption", "Heading", "c"}},
        {"two arguments", "tr(Context, page.body)", {}, {}, {}},
    };
    for (const ScanCase& scan : cases) {
        const SourceTexts texts = scanSource(scan.code);
        std::vector<std::string> literals, translated;
        for (const SourceLiteral& literal : texts.literals)
            literals.push_back(literal.text);
        for (const TranslatedLiteral& literal : texts.translated)
            translated.push_back(literal.context.empty() ? literal.text
                                                         : literal.context + "|" + literal.text);
        EXPECT_EQ(literals, scan.literals) << scan.name;
        EXPECT_EQ(translated, scan.translated) << scan.name;
        EXPECT_EQ(texts.translatedNames, scan.translatedNames) << scan.name;
    }
    const SourceTexts lines = scanSource("a;\n\"x\"\n\"y\";\n/*\n*/ R\"(\n)\" \"z\";\n\"w\"");
    ASSERT_EQ(lines.literals.size(), 3u);
    EXPECT_EQ(lines.literals[0].line, 2);
    EXPECT_EQ(lines.literals[1].line, 5);
    EXPECT_EQ(lines.literals[2].line, 7);
}

TEST(TemplateTest, IsWhatTheGeneratorMakesOfTheSourcesToday)
{
#ifdef _WIN32
    GTEST_SKIP() << "the generator hears the game's lookups through gettext, which Windows lacks";
#endif
    const std::string fresh =
        output(std::string(KORVALIN_TEXTS_TEMPLATE) + " '" + (Root / "src").string() + "' '" +
               (Root / "po").string() + "'");
    const std::string committed = testing::readBytes(Root / "po/korvalin.pot");
    EXPECT_TRUE(fresh == committed)
        << "po/korvalin.pot is out of date (run `cmake --build build --target update-texts`); "
           "first difference, committed / fresh: "
        << firstDifference(committed, fresh);
}

TEST(TemplateTest, EveryCatalogueTranslatesExactlyTheTemplatesTexts)
{
    std::set<std::string> expected;
    for (const CatalogueEntry& entry : templateEntries())
        expected.insert(keyName(entry));
    ASSERT_GT(expected.size(), 1000u);
    for (const SourceFile& catalogue : filesUnder(Root / "po", {".po"})) {
        std::set<std::string> kept;
        for (const CatalogueEntry& entry : readCatalogue(catalogue.text)) {
            const std::string key = keyName(entry);
            kept.insert(key);
            EXPECT_FALSE(entry.obsolete) << catalogue.path << ": no longer a text: " << key;
            EXPECT_FALSE(entry.translation.empty()) << catalogue.path << ": untranslated: " << key;
            EXPECT_TRUE(std::ranges::find(entry.flags, "fuzzy") == entry.flags.end())
                << catalogue.path << ": fuzzy: " << key;
            EXPECT_TRUE(expected.contains(key))
                << catalogue.path << ": not in the template: " << key;
        }
        for (const std::string& key : expected)
            EXPECT_TRUE(kept.contains(key)) << catalogue.path << ": missing: " << key;
    }
}

TEST(TemplateTest, EveryReferenceNamesALineOfItsFile)
{
    std::map<std::string, long> lineCounts;
    for (const SourceFile& file : filesUnder(Root / "src", {".cpp", ".h"}))
        lineCounts[file.path] = std::ranges::count(file.text, '\n');
    std::vector<SourceFile> files = filesUnder(Root / "po", {".po", ".pot"});
    ASSERT_GE(files.size(), 2u);
    for (const SourceFile& file : files) {
        for (const CatalogueEntry& entry : readCatalogue(file.text)) {
            for (const std::string& reference : entry.references) {
                const std::size_t colon = reference.rfind(':');
                const auto lines = lineCounts.find(reference.substr(0, colon));
                const long line =
                    colon == std::string::npos ? 0 : std::stol(reference.substr(colon + 1));
                EXPECT_TRUE(lines != lineCounts.end() && line >= 1 && line <= lines->second)
                    << file.path << ": " << reference << " (" << keyName(entry) << ")";
            }
        }
    }
}

TEST(TemplateTest, EveryJapaneseLiteralIsATextOfTheTemplate)
{
    std::set<std::string> texts = NoTexts;
    for (const CatalogueEntry& entry : templateEntries()) {
        texts.insert(entry.id);
        // A help page's lines stand one to a literal.
        std::istringstream lines(entry.id);
        for (std::string line; std::getline(lines, line);)
            texts.insert(line);
    }
    for (const SourceFile& file : filesUnder(Root / "src", {".cpp", ".h"})) {
        for (const SourceLiteral& literal : scanSource(file.text).literals) {
            EXPECT_TRUE(!holdsJapanese(literal.text) || texts.contains(literal.text))
                << file.path << ":" << literal.line << ": " << literal.text;
        }
    }
}

}  // namespace
}  // namespace korvalin

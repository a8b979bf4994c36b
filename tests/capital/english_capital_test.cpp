// The capital screen in English: what it shows and writes (kept byte for
// byte in english_capitals.golden beside this file; rewrite it with
// KORVALIN_UPDATE_GOLDEN=1 after a deliberate change, and read the diff),
// its rules working on rows rather than texts, and the saved game keeping
// the Japanese city.
#include <algorithm>
#include <span>

#include "capital/arrival_lines.h"
#include "capital/country_facts.h"
#include "capital/shown_names.h"
#include "capital/visa_lines.h"
#include "capital_fixture.h"
#include "support/golden_file.h"
#include "support/in_english.h"
#include "world/country_table.h"
#include "world/region_table.h"

namespace korvalin::testing {
namespace {

bool isAscii(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Kana, kanji and full-width forms all lie at U+3000 and above, whose UTF-8
// lead bytes are E3 .. EF.
bool hasJapanese(std::string_view text)
{
    return std::ranges::any_of(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xE3 && byte <= 0xEF;
    });
}

class EnglishCapital : public CapitalTest {
protected:
    // The diary lines written since `from` (the line dd stood on).
    std::string linesSince(int from) const
    {
        std::string lines;
        for (int i = from + 1; i <= s.dd; ++i)
            lines += "  diary: " + line(i) + "\n";
        return lines;
    }

    std::string boxesSince(std::size_t from) const
    {
        std::string boxes;
        for (std::size_t i = from; i < ui.calls.size(); ++i) {
            const FakeUi::Call& call = ui.calls[i];
            if (call.what == "message" || call.what == "confirm" || call.what == "warning")
                boxes += "  " + call.what + ": " + call.detail + "\n";
        }
        return boxes;
    }

    // Everything the screen shows and writes in one capital, from arriving
    // to leaving.
    std::string visit(int x, int y)
    {
        std::ostringstream out;
        int dd = s.dd;
        std::size_t calls = ui.calls.size();
        arriveAt(x, y);
        out << "== " << tr(game.state.toshi) << "\n" << linesSince(dd);
        for (int k = 1; k <= DestinationButtonCount && dlg.radioButton(k).Visible; ++k) {
            dlg.chooseDestination(k);
            out << "  embassy " << k << ": " << dlg.radioButton(k).Caption << "\n"
                << "    visa: " << visaApplicationLine(s.leg.PN, false) << "\n"
                << "    crowded: " << visaApplicationLine(s.leg.PN, true) << "\n";
        }
        // The flag tells of the country a leg from here starts in.
        dlg.showFacts();
        for (const std::string& fact : dlg.InfoValues)
            out << "  fact: " << fact << "\n";
        dd = s.dd;
        dlg.visitJapaneseEmbassy();  // the Japanese embassy
        game.state.visaToGet = false;
        dlg.OKBtnClick();
        dlg.FormClose();
        out << linesSince(dd) << boxesSince(calls);
        return out.str();
    }

    InEnglish english;
};

TEST_F(EnglishCapital, ShowsAndWritesTheGoldenTexts)
{
    ASSERT_TRUE(english.ready());
    s.Namae = "Kenji";
    const std::string actual = visit(246, 118)    // Tokyo
                               + visit(203, 128)  // Beijing
                               + visit(69, 142)   // Kuwait City
                               + visit(130, 213)  // Sri Jayewardenepura Kotte
                               + visit(49, 70);   // Zagreb, with the Bosnian embassy
    EXPECT_EQ(actual, testing::goldenBytes("capital/english_capitals.golden", actual));
}

// Every capital's names and lines are English; the diary's are plain ASCII,
// as the diary file is Shift-JIS. The embassy buttons still lead where they
// led in Japanese, and the visa and the departure write English.
TEST_F(EnglishCapital, RulesWorkOnRowsAndWriteEnglish)
{
    ASSERT_TRUE(english.ready());
    for (const CityRow& row : std::span(CityTable).first(CapitalRowCount)) {
        GameState state;
        std::vector<std::string> lines = arrivalLines(row, state);
        lines.push_back(departureLine(row));
        std::vector<std::string> shown = {std::string(tr(row.caption))};
        for (std::string_view country : row.destinations()) {
            const CountryRow* destination = findCountry(country);
            ASSERT_NE(destination, nullptr) << country;
            for (bool crowded : {false, true})
                lines.push_back(visaApplicationLine(RegionCodes(destination->entries[0]), crowded));
            shown.push_back(embassyName(country));
        }
        const CountryFacts* facts = factsByMainCode(codeTriple(*findCountry(row.country))[0]);
        ASSERT_NE(facts, nullptr) << row.caption;
        shown.insert(shown.end(),
                     {facts->area, facts->population, facts->language, facts->currency});
        for (const std::string& line : lines)
            EXPECT_TRUE(isAscii(line) && line.starts_with("    ")) << row.caption << ": " << line;
        for (const std::string& text : shown)
            EXPECT_FALSE(hasJapanese(text)) << row.caption << ": " << text;
    }

    arriveInTokyo();
    EXPECT_EQ(game.state.toshi, "日本国首都東京");
    s.konzatsuno = 4;
    dlg.chooseDestination(1);
    EXPECT_EQ(s.leg.PN, Korea);
    const int dd = s.dd;
    dlg.obtainVisa();
    EXPECT_EQ(line(dd + 1), "    Applied for a visa at the South Korean Embassy.");
    EXPECT_EQ(lastLine(), "    Got the visa.");
    dlg.OKBtnClick();
    EXPECT_EQ(lastLine(), "    Left Tokyo.");

    // The language changed with the screen open: its buttons and facts follow.
    arriveInTokyo();
    dlg.showFacts();
    ASSERT_TRUE(useLanguage(Language::Japanese, KORVALIN_CATALOGUES));
    dlg.retranslate();
    EXPECT_EQ(dlg.radioButton(1).Caption, "韓国大使館");
    EXPECT_EQ(dlg.InfoValues[4], "円");
}

}  // namespace
}  // namespace korvalin::testing

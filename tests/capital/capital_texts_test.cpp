// Every text the capital screen shows or writes into the diary must exist in
// the game's code page, and none may change unnoticed: they are listed in
// capital_texts.golden beside this file (rewrite it with
// KORVALIN_UPDATE_GOLDEN=1 after a deliberate change, and read the diff).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "capital/arrival_lines.h"
#include "capital/capital_texts.h"
#include "capital/country_facts.h"
#include "capital/visa_lines.h"
#include "game/game_state.h"
#include "support/shift_jis.h"
#include "world/city_table.h"
#include "world/country_table.h"
#include "world/region_table.h"

namespace korvalin {
namespace {

namespace texts = capital_texts;

std::vector<std::string> fixedTexts()
{
    std::vector<std::string> all;
    for (std::string_view text : {texts::Heading,
                                  texts::Button7Caption,
                                  texts::OkCaption,
                                  texts::CancelCaption,
                                  texts::NoPassportToLeave,
                                  texts::LeaveWithoutVisa,
                                  texts::NoSelection,
                                  texts::NoPassportForVisa,
                                  texts::CrowdedCounter,
                                  texts::IssueVisa,
                                  texts::FeeShort,
                                  texts::VisaAfterWeek,
                                  texts::VisaAfterDay,
                                  texts::Reissue,
                                  texts::ReissueVisitLine,
                                  texts::ReissueFeeShort,
                                  texts::ReissueNoMoneyLine,
                                  texts::ReissuedLine,
                                  texts::Greeting,
                                  texts::GreetingLineBefore,
                                  texts::GreetingLineAfter,
                                  texts::AlreadyShopped,
                                  texts::TelegramsAbroadOnly,
                                  texts::MapLine})
        all.emplace_back(text);
    for (std::string_view text : texts::Hints)
        all.emplace_back(text);
    for (std::string_view text : texts::FactCaptions)
        all.emplace_back(text);
    return all;
}

// The lines of every city: a first arrival, a later one and the departure.
std::vector<std::string> cityTexts()
{
    std::vector<std::string> all;
    GameState s;
    for (const CityRow& row : CityTable) {
        std::string lines = std::string(row.caption) + ":";
        for (int visit = 0; visit < 2; ++visit) {
            for (const std::string& line : arrivalLines(row, s))
                lines += " " + line;
        }
        lines += " " + departureLine(row);
        for (std::string_view destination : row.destinations())
            lines += " " + std::string(destination) + std::string(texts::EmbassySuffix);
        all.push_back(lines);
    }
    return all;
}

std::vector<std::string> countryTexts()
{
    std::vector<std::string> all;
    for (const CountryRow& country : CountryTable) {
        const std::uint8_t code = RegionCodes(country.entries[0]);
        const CountryFacts* facts = factsByMainCode(code);
        std::string row = std::string(country.name) + ": " + std::string(facts->area) + " / " +
                          std::string(facts->population) + " / " + std::string(facts->language) +
                          " / " + std::string(facts->currency);
        for (bool crowded : {false, true}) {
            const std::string line = visaApplicationLine(code, crowded);
            if (!line.empty())
                row += " " + line;
        }
        all.push_back(row);
    }
    return all;
}

std::vector<std::string> everyText()
{
    std::vector<std::string> all = fixedTexts();
    for (auto part : {cityTexts(), countryTexts()})
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(CapitalTextsTest, AreWritableInCp932AndMatchTheGoldenList)
{
    std::ostringstream actual;
    for (const std::string& text : everyText()) {
        expectShiftJisRoundTrip(text);
        actual << text << '\n';
    }
    const auto golden = std::filesystem::path(KORVALIN_TESTS_DIR) / "capital/capital_texts.golden";
    if (std::getenv("KORVALIN_UPDATE_GOLDEN") != nullptr)
        std::ofstream(golden, std::ios::binary) << actual.str();
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << golden;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual.str(), expected.str());
}

}  // namespace
}  // namespace korvalin

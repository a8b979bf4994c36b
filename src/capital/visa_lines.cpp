#include "capital/visa_lines.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "capital/capital_texts.h"
#include "capital/shown_names.h"
#include "game/language.h"
#include "world/country_table.h"
#include "world/region_table.h"

namespace korvalin {

namespace {

// Embassies whose crowded counter the diary remarks on in its own words.
struct CrowdedWords {
    std::string_view country;
    std::string_view line;
};

constexpr auto CrowdedLines = std::to_array<CrowdedWords>({
    {"中国", "　　中国大使館でビザを申請。混でて１週間かかるそうだ。しかたない。"},
    {"ロシア", "　　ロシア大使館でビザを申請。混でて１週間かかるそうだ。ちぇ。"},
    {"インド",
     "　　インド大使館でビザを申請。混でて１週間かかるそうだ。でも、どう見てもすいている。"},
    {"バングラデシュ", "　　バングラデシュ大使館でビザを申請。窓口が混でて１週間かかるそうだ。"},
});

// The diary calls Bosnia and Herzegovina by its short name.
std::string_view diaryCountryName(std::string_view country)
{
    return country == "ボスニア・ヘルツェゴビナ" ? "ボスニア" : country;
}

}  // namespace

std::string visaApplicationLine(std::uint8_t destination, bool crowded)
{
    const CountryRow* country = countryByMainCode(destination);
    // No capital lists Japan among its embassies.
    if (country == nullptr || destination == RegionCodes(JapanEntry))
        return {};
    if (crowded) {
        const auto own = std::ranges::find(CrowdedLines, country->name, &CrowdedWords::country);
        if (own != CrowdedLines.end())
            return std::string(tr(own->line));
    }
    const std::string_view line =
        crowded ? capital_texts::CrowdedApplicationLine : capital_texts::ApplicationLine;
    return fill(tr(line), embassyName(diaryCountryName(country->name)));
}

}  // namespace korvalin

// The embassies: unfolding the destination list, the visa and the Japanese
// embassy.
#include "capital/capital_dlg.h"
#include "capital/capital_texts.h"
#include "capital/visa_lines.h"
#include "game/game_clock.h"
#include "game/game_core.h"
#include "game/language.h"
#include "journey/diary_entries.h"

namespace korvalin {

std::vector<int> CapitalDlg::foldHeights(int from)
{
    std::vector<int> heights;
    const auto run = [&](int first, int last, int step) {
        for (int h = first; step > 0 ? h <= last : h >= last; h += step)
            heights.push_back(h);
    };
    if (from == FoldedHeight) {
        run(120, 160, 5);
        run(170, 420, 10);
        heights.push_back(UnfoldedHeight);
    } else {
        run(430, 410, -5);
        run(400, 380, -5);
        run(370, 120, -10);
        heights.push_back(FoldedHeight);
    }
    return heights;
}

void CapitalDlg::toggleEmbassies()
{
    for (int height : foldHeights(Height)) {
        Height = height;
        if (onHeightStep)
            onHeightStep();
    }
}

void CapitalDlg::obtainVisa()
{
    const int k = game_.state.destination;
    if (k == 0) {
        // Only a reminder: either answer leaves everything as it is.
        game_.ui.confirm(tr(capital_texts::NoSelection));
        return;
    }
    if (game_.state.lostf) {
        game_.ui.message(tr(capital_texts::NoPassportForVisa));
        return;
    }
    if (!applyForVisa(k))
        return;
    // The choice is now binding.
    game_.state.visaToGet = false;
    game_.state.visaFor = static_cast<std::uint8_t>(k);
}

// One of the first five embassies has a crowded counter during each stay,
// where the visa takes a week instead of a day.
bool CapitalDlg::applyForVisa(int k)
{
    GameState& s = game_.state;
    const bool crowded = k == s.konzatsuno + 1;
    if (!game_.ui.confirm(tr(crowded ? capital_texts::CrowdedCounter : capital_texts::IssueVisa)))
        return false;
    if (s.yen < VisaFee) {
        game_.ui.warning(tr(capital_texts::FeeShort));
        return false;
    }
    if (const std::string line = visaApplicationLine(s.leg.PN, crowded); !line.empty())
        game_.appendDiaryLine(line);
    passMinutes(s, crowded ? WeekMinutes : MinutesPerDay);
    if (headStayDay(game_))
        game_.appendDiaryLine(
            tr(crowded ? capital_texts::VisaAfterWeek : capital_texts::VisaAfterDay));
    s.yen -= VisaFee;
    if (crowded)
        s.visaf = true;  // a job taken afterwards counts the week waited
    return true;
}

void CapitalDlg::visitJapaneseEmbassy()
{
    GameState& s = game_.state;
    if (!s.lostf) {
        game_.ui.message(tr(capital_texts::Greeting));
        game_.appendDiaryLine(fill(tr(capital_texts::GreetingLine), s.Namae));
        return;
    }
    game_.ui.message(tr(capital_texts::Reissue));
    game_.appendDiaryLine(tr(capital_texts::ReissueVisitLine));
    // The fee must leave something over.
    if (s.yen <= ReissueFee) {
        game_.ui.message(tr(capital_texts::ReissueFeeShort));
        game_.appendDiaryLine(tr(capital_texts::ReissueNoMoneyLine));
        return;
    }
    s.lostf = false;
    s.yen -= ReissueFee;
    passMinutes(s, WeekMinutes);
    if (headStayDay(game_))
        game_.appendDiaryLine(tr(capital_texts::ReissuedLine));
}

}  // namespace korvalin

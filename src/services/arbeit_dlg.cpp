#include "services/arbeit_dlg.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "game/clamped_sum.h"
#include "game/game_clock.h"
#include "game/game_core.h"
#include "game/language.h"
#include "journey/diary_entries.h"
#include "services/arbeit_jobs.h"
#include "services/jusin_dlg.h"
#include "services/yen_template.h"

namespace korvalin {

namespace {

// The days of a visa wait that a job may overlap.
constexpr int VisaWaitDays = 7;
constexpr int RepeatWorkCashLimit = 10000;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void ArbeitDlg::FormShow()
{
    Edit1Enabled = true;
}

void ArbeitDlg::FormActivate()
{
    Edit1Text.clear();
    Label1Caption = tr(arbeitJob(game_.state).caption);
}

std::optional<int> ArbeitDlg::readDays()
{
    const std::string_view text = trimmed(Edit1Text);
    std::int64_t days = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), days);
    if (text.empty())
        game_.ui.message(tr(NoDaysMessage));
    else if (error == std::errc::invalid_argument || end != text.data() + text.size())
        game_.ui.message(tr(NotANumberMessage));
    else if (error == std::errc::result_out_of_range || days > std::numeric_limits<int>::max())
        game_.ui.message(tr(TooManyDaysMessage));
    // The calendar never runs backwards.
    else if (days < 1)
        game_.ui.message(tr(NoDaysMessage));
    else
        return static_cast<int>(days);
    return std::nullopt;
}

void ArbeitDlg::takeJob()
{
    if (game_.state.worked) {
        workAgain();
        return;
    }
    const std::optional<int> days = readDays();
    if (!days)
        return;
    if (*days >= DayLimit && !game_.state.lostf) {
        game_.ui.message(tr(TenDaysMessage));
        Edit1Text.clear();
        return;
    }
    // Without a passport there is no day limit, but the calendar has an end.
    if (game_.state.day + workMinutes(*days) > LatestMinute) {
        game_.ui.message(tr(TooManyDaysMessage));
        return;
    }
    workFirstJob(*days);
}

// The first week of work overlaps the week already spent waiting for a
// visa in this city.
std::int64_t ArbeitDlg::workMinutes(int days) const
{
    const std::int64_t minutes = std::int64_t{days} * MinutesPerDay;
    if (!game_.state.visaf)
        return minutes;
    return days >= VisaWaitDays ? minutes - VisaWaitDays * MinutesPerDay : 0;
}

void ArbeitDlg::workFirstJob(int days)
{
    GameState& s = game_.state;
    const ArbeitJob& job = arbeitJob(s);
    s.aryen = 0;
    addClamped(s.aryen, std::int64_t{days} * job.wage);
    addClamped(s.yen, s.aryen);
    game_.appendDiaryLine(tr(job.diaryLine));
    passMinutes(s, workMinutes(days));
    if (std::int64_t{s.day} >= std::int64_t{s.dayp} + JusinDlg::PassportAnswerDelay)
        s.jusin3 = true;
    s.worked = true;
    if (headStayDay(game_))
        game_.appendDiaryLine(withYen(WagesLine, s.aryen));
    game_.ui.close(WindowId::ArbeitDlg);
}

void ArbeitDlg::declineJob()
{
    game_.ui.close(WindowId::ArbeitDlg);
}

// A hiker without a passport, nearly broke and with the answer from home in
// hand may work on in the same stay, paid without time passing.
void ArbeitDlg::workAgain()
{
    GameState& s = game_.state;
    if (!(s.lostf && s.yen < RepeatWorkCashLimit && s.jusin3)) {
        game_.ui.message(tr(NoMoreWorkMessage));
        game_.ui.close(WindowId::ArbeitDlg);
        return;
    }
    const std::optional<int> days = readDays();
    if (!days)
        return;
    addClamped(s.yen, std::int64_t{*days} * arbeitJob(s).wage);
    game_.ui.close(WindowId::ArbeitDlg);
}

}  // namespace korvalin

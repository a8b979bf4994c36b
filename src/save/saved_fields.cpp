#include "save/saved_fields.h"

#include "game/diary.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/loss_divisor.h"

namespace korvalin {

namespace {

// The calendar's own end, so that every clock the journey reaches loads back
// unchanged.
constexpr LoadRange Minutes{MinutesPerDay, LatestMinute};
constexpr LoadRange DayNumbers{1, LatestDay};
constexpr LoadRange TelegramMinutes{0, LatestMinute};
// Past the last line the diary only counts on, losing what it writes.
constexpr LoadRange DiaryIndex{0, Diary::LineCount};
// A divisor of 0 would lose the passport on every tick.
constexpr LoadRange LossDivisor{1, MaxLossDivisor};

}  // namespace

std::vector<SavedField> savedFields(GameState& s)
{
    std::vector<SavedField> fields = {
        {"PP", &s.leg.PP},
        {"PPA", &s.leg.PPA},
        {"PPB", &s.leg.PPB},
        {"PN", &s.leg.PN},
        {"PNA", &s.leg.PNA},
        {"PNB", &s.leg.PNB},
        {"PS", &s.leg.PS},
        {"MapX", &s.MapX},
        {"MapY", &s.MapY},
        {"yen", &s.yen},
        {"aryen", &s.aryen},
        {"day", &s.day, Minutes},
        {"dayp", &s.dayp, TelegramMinutes},
        {"dayold", &s.dayold, DayNumbers},
        {"dd", &s.dd, DiaryIndex},
        {"kk", &s.kk, LossDivisor},
        {"yokin", &s.yokin},
        {"toshi", &s.toshi},
        {"mNow", &s.mNow},
        {"Namae", &s.Namae},
        {"Label5.Caption", &s.countryCaption},
        {"pekingd", &s.pekingd},
        {"sould", &s.sould},
        {"moscowd", &s.moscowd},
        {"lostf", &s.lostf},
        {"HaveMap", &s.HaveMap},
        {"HaveKutu", &s.HaveKutu},
        {"HaveHuku", &s.HaveHuku},
        {"HaveCard", &s.HaveCard},
        {"HaveHaramaki", &s.HaveHaramaki},
        {"Start", &s.Start},
        {"Nikki", &s.Nikki},
        {"HaveDall", &s.HaveDall},
        {"HaveUma", &s.HaveUma},
        {"HavePearl", &s.HavePearl},
        {"HaveRakuda", &s.HaveRakuda},
        {"HaveTubo", &s.HaveTubo},
        {"HaveLion", &s.HaveLion},
        {"sosin1", &s.sosin1},
        {"sosin2", &s.sosin2},
        {"jusin1", &s.jusin1},
        {"jusin2", &s.jusin2},
        {"buy", &s.buy},
        {"nyukoku", &s.nyukoku},
        {"nyu", &s.nyu},
        {"Level1", &s.Level1},
        {"Level2", &s.Level2},
        {"Level3", &s.Level3},
        {"Button7.Visible", &s.visaToGet, {}, false},
    };
    for (std::uint8_t k = 1; k <= DestinationButtonCount; ++k) {
        fields.push_back(
            {"RadioButton" + std::to_string(k) + ".Checked", DestinationChoice{&s.destination, k}});
    }
    return fields;
}

}  // namespace korvalin

#include "journey_bot.h"

#include <algorithm>

#include "journey/leg_search.h"
#include "journey/movement_step.h"
#include "journey/travel_modes.h"
#include "save/diary_file.h"
#include "services/arbeit_jobs.h"
#include "world/tile_codes.h"

namespace korvalin {

namespace {

constexpr std::array<std::string_view, 3> CourseNames{"大王", "貧民", "大貧民"};
constexpr int VisaFee = 2000;
constexpr int ReissueFee = 10000;
// Enough cash for the visa and the next leg's ships and steps; below it the
// player works before leaving.
constexpr int CashToLeaveWith = 25000;
constexpr int LongestJob = 9;
// Below this the hiker walks rather than pay for more chances of a ride.
constexpr int ThumbingReserve = 500;
// Below this the hiker turns off to the nearest city for work.
constexpr int RefuelAt = 3000;
// What a cell costs: on foot, at sea, and a margin for the way.
constexpr int WalkFare = 8 * YenPerCostUnit;
constexpr int ShipFare = 8 * 10 * YenPerCostUnit;
constexpr int FareMargin = 5000;
// A journey that has stood this many ticks without a step is stuck.
constexpr long PatienceTicks = 200'000;

int virtualKeyOf(Direction d)
{
    switch (d) {
        case Direction::North:
            return Travel::VK_UP;
        case Direction::South:
            return Travel::VK_DOWN;
        case Direction::West:
            return Travel::VK_LEFT;
        case Direction::East:
            return Travel::VK_RIGHT;
        case Direction::None:
            break;
    }
    return 0;
}

}  // namespace

std::string_view endingName(JourneyReport::Ending ending)
{
    switch (ending) {
        case JourneyReport::Ending::London:
            return "London";
        case JourneyReport::Ending::OutOfMoney:
            return "out of money";
        case JourneyReport::Ending::Stuck:
            return "stuck";
        case JourneyReport::Ending::RuleBroken:
            return "rule broken";
    }
    return "";
}

JourneyBot::JourneyBot(int course, std::uint32_t startMilliseconds, std::vector<PlannedLeg> route,
                       const WorldGrid& world)
    : course_(course), route_(std::move(route)), clock_(startMilliseconds)
{
    game_.world = world;
    places_.assign(CapitalSpots.begin(), CapitalSpots.end());
    places_.insert(places_.end(), CitySpots.begin(), CitySpots.end());
    ui_.onOpen = [this](WindowId window) {
        runOpeningHandlers(game_, window);
        if (window == WindowId::EndDlg)
            fail(JourneyReport::Ending::OutOfMoney, "the money ran out");
        else if (window == WindowId::LondonDlg)
            report_.emplace().ending = JourneyReport::Ending::London;
    };
    ui_.onClose = [this](WindowId window) { runClosingHandlers(game_, window); };
    ui_.onModal = [this](WindowId window) {
        if (window == WindowId::HelpDlg) {
            (game_.HelpDlg.*
             std::array{&HelpDlg::chooseKingCourse, &HelpDlg::choosePauperCourse,
                        &HelpDlg::chooseUtterPauperCourse}[static_cast<std::size_t>(course_)])();
            game_.HelpDlg.startOrResume();
        } else if (window == WindowId::NamaeDlg) {
            game_.NamaeDlg.Password = std::string("ボット") + std::string(CourseNames[course_]);
            game_.NamaeDlg.OKBtnClick();
        }
    };
}

void JourneyBot::fail(JourneyReport::Ending ending, std::string why)
{
    if (report_)
        return;
    report_.emplace();
    report_->ending = ending;
    report_->why = std::move(why);
}

void JourneyBot::startJourney()
{
    game_.Travel.FormActivate();
    watchman_.legBegins(game_);
    goal_ = capitalSpotOf("日本");
    planLeg();
}

JourneyReport JourneyBot::play(long maxTicks)
{
    startJourney();
    while (!report_ && ticks_ < maxTicks)
        tick();
    if (!report_)
        fail(JourneyReport::Ending::Stuck,
             "the journey took more than " + std::to_string(maxTicks) + " ticks");
    if (saveFiles_)
        saveDiaryFile(saveFiles_->diary, game_.diary.lines());
    report_->days = game_.state.dayNumber();
    report_->cityStops = cityStops_;
    report_->ticks = ticks_;
    return *report_;
}

void JourneyBot::tick()
{
    int presses = 0;
    if (!ui_.isOpen(WindowId::CapitalDlg)) {
        const std::int32_t before = game_.state.yen;
        steer();
        presses = (before - game_.state.yen) / 100;
    }
    const int hikerX = game_.state.hikerX(), hikerY = game_.state.hikerY();
    const std::int32_t day = game_.state.day;
    game_.Travel.advanceJourney();
    ++ticks_;
    clock_.advance(game_.Travel.Timer1Interval);
    if (auto broken = watchman_.afterTick(game_, presses))
        return fail(JourneyReport::Ending::RuleBroken, *broken);
    watchman_.look(game_);

    const bool moved =
        hikerX != game_.state.hikerX() || hikerY != game_.state.hikerY() || day != game_.state.day;
    ticksSinceProgress_ = moved ? 0 : ticksSinceProgress_ + 1;
    if (ticksSinceProgress_ > PatienceTicks)
        return fail(JourneyReport::Ending::Stuck, "no step for " + std::to_string(PatienceTicks) +
                                                      " ticks at (" +
                                                      std::to_string(game_.state.hikerX()) + ", " +
                                                      std::to_string(game_.state.hikerY()) + ")");

    if (ui_.isOpen(WindowId::LostDlg))
        game_.LostDlg.OKBtnClick();
    if (ui_.isOpen(WindowId::ChokkoDlg))
        game_.ChokkoDlg.OKBtnClick();
    // The screen is dealt with once the hiker has stopped on the city's cell.
    if (ui_.isOpen(WindowId::CapitalDlg) && game_.state.MoveDir == Direction::None && !report_)
        actInCity();
}

// Turns are asked for a cell ahead: the direction wanted while crossing
// into a cell is the one taken out of it.
void JourneyBot::steer()
{
    GameState& s = game_.state;
    if (!refuelling_ && s.yen < RefuelAt && !s.Start) {
        refuelling_ = true;
        planLeg();
    }
    if (path_.empty())
        return;
    const int x = s.hikerX(), y = s.hikerY();
    if (x != pathX_ || y != pathY_) {
        const Step step = stepOf(path_[pathStep_]);
        if (x == ((pathX_ + step.dx) & 255) && y == ((pathY_ + step.dy) & 255)) {
            pathX_ = x;
            pathY_ = y;
            ++pathStep_;
        } else {
            planLeg();
        }
    }
    if (pathStep_ >= path_.size())
        return;
    if (s.MoveDir == Direction::None) {
        pressToward(path_[pathStep_]);
        return;
    }
    const bool lastStep = pathStep_ + 1 >= path_.size();
    const Direction wanted = lastStep ? path_[pathStep_] : path_[pathStep_ + 1];
    // A bounce turned him round.
    if (s.MoveDir != path_[pathStep_])
        return planLeg();
    if (s.WantDir != wanted || thumbsForARide())
        pressToward(wanted);
}

// On foot on flat land a key press is the raised thumb: a new chance of a
// ride for 100 yen, tried once a cell.
bool JourneyBot::thumbsForARide()
{
    const GameState& s = game_.state;
    const Step step = stepOf(s.MoveDir);
    const std::uint8_t ahead = game_.world.cell(s.hikerX() + step.dx, s.hikerY() + step.dy);
    const bool walking = s.noRide != 0 && ahead != WaterTile && !climbs(s, ahead);
    const int cell = s.hikerX() * GridSize + s.hikerY();
    if (!walking || cell == thumbedAt_ || s.yen < ThumbingReserve)
        return false;
    thumbedAt_ = cell;
    return true;
}

void JourneyBot::pressToward(Direction d)
{
    game_.Travel.FormKeyDown(virtualKeyOf(d));
    game_.Travel.FormKeyUp(virtualKeyOf(d));
}

void JourneyBot::planLeg()
{
    path_.clear();
    pathStep_ = 0;
    pathX_ = game_.state.hikerX();
    pathY_ = game_.state.hikerY();
    if (goal_ == nullptr)
        return;
    // With the passport lost he heads for the nearest capital, the only
    // place that will have him; short of money, for the nearest place with
    // work.
    const std::span<const Spot> goals = game_.state.lostf ? std::span<const Spot>(CapitalSpots)
                                        : refuelling_     ? std::span<const Spot>(places_)
                                                          : std::span{goal_, 1};
    auto found = searchLeg(game_.world, game_.state, pathX_, pathY_, goals,
                           {.avoidOtherPlaces = !refuelling_});
    if (!found)
        found = searchLeg(game_.world, game_.state, pathX_, pathY_, goals);
    if (!found)
        return fail(JourneyReport::Ending::Stuck, "no way to the next capital from (" +
                                                      std::to_string(pathX_) + ", " +
                                                      std::to_string(pathY_) + ")");
    path_ = std::move(found->steps);
}

// In the capital of the plan: money, passport, visa, and away; without
// the money for the way the player works, or leaves and comes back to find
// a new job. Anywhere else: the bank, and straight on.
void JourneyBot::actInCity()
{
    GameState& s = game_.state;
    cityStops_.push_back(game_.state.toshi);
    refuelling_ = false;
    collectSavings();
    if (s.lostf && s.capitalf)
        reissuePassport();
    // A lost passport voids the visa and sends him back to a capital he may
    // have left already: the plan goes on from whichever of its capitals
    // this is.
    const auto here = std::ranges::find_if(
        route_, [&](const PlannedLeg& leg) { return leg.from->caption == game_.state.toshi; });
    const bool planned = here != route_.end();
    if (planned)
        legIndex_ = static_cast<std::size_t>(here - route_.begin());
    if (!planned || !s.capitalf || !s.visaToGet || s.lostf) {
        const std::int32_t needed = goal_ ? fareTo(*goal_) : FareMargin;
        if (s.yen < needed && !s.worked)
            work(std::min(LongestJob, daysToEarn(needed - s.yen)));
        return leaveCity(false);
    }
    const PlannedLeg& leg = route_[legIndex_];
    if (game_.CapitalDlg.Height == CapitalDlg::FoldedHeight)
        game_.CapitalDlg.toggleEmbassies();
    game_.CapitalDlg.chooseDestination(leg.button);
    // Enough for the way with a third to spare, and for a new passport on it.
    const std::int32_t needed = VisaFee + fareTo(*leg.goal) * 4 / 3 + ReissueFee;
    if (s.yen < needed && !s.worked)
        work(std::min(LongestJob, daysToEarn(needed - s.yen)));
    if (s.yen < needed)
        return leaveCity(false);
    takeVisa();
    if (saveFiles_)
        saveGame(game_, *saveFiles_);
    leaveCity(true);
}

// Cash for the way to a goal: every cell on foot or at sea paid for.
std::int32_t JourneyBot::fareTo(const Spot& goal) const
{
    const GameState& s = game_.state;
    const auto path = searchLeg(game_.world, s, s.hikerX(), s.hikerY(), std::span{&goal, 1});
    if (!path)
        return 0;
    std::int32_t fare = FareMargin;
    int x = s.hikerX(), y = s.hikerY();
    for (const Direction d : path->steps) {
        x += stepOf(d).dx;
        y += stepOf(d).dy;
        fare += game_.world.cell(x, y) == WaterTile ? ShipFare : WalkFare;
    }
    return fare;
}

// Leaving without the visa undoes the choice; the hiker then steps out and
// back in for another stay.
void JourneyBot::leaveCity(bool withVisa)
{
    game_.CapitalDlg.OKBtnClick();
    if (ui_.isOpen(WindowId::CapitalDlg))
        return;
    if (withVisa) {
        goal_ = route_[legIndex_].goal;
        ++legIndex_;
    } else if (legIndex_ < route_.size() && game_.state.toshi == route_[legIndex_].from->caption) {
        goal_ = capitalSpotOf(route_[legIndex_].from->country);
    }
    watchman_.legBegins(game_);
    planLeg();
}

void JourneyBot::collectSavings()
{
    if (game_.state.yokin <= 0)
        return;
    const std::int32_t savings = game_.state.yokin;
    watchman_.look(game_);
    game_.CapitalDlg.openBank();
    game_.BankDlg.OKBtnClick();
    if (auto broken = watchman_.afterAction(game_, savings, -savings, "the bank"))
        fail(JourneyReport::Ending::RuleBroken, *broken);
}

void JourneyBot::takeVisa()
{
    watchman_.look(game_);
    const bool affordable = game_.state.yen >= VisaFee;
    game_.CapitalDlg.obtainVisa();
    if (auto broken = watchman_.afterAction(game_, affordable ? -VisaFee : 0, 0, "the visa"))
        fail(JourneyReport::Ending::RuleBroken, *broken);
}

void JourneyBot::reissuePassport()
{
    if (game_.state.yen <= ReissueFee && !game_.state.worked)
        work(daysToEarn(ReissueFee + 1 - game_.state.yen));
    watchman_.look(game_);
    const bool affordable = game_.state.yen > ReissueFee;
    game_.CapitalDlg.visitJapaneseEmbassy();
    if (auto broken = watchman_.afterAction(game_, affordable ? -ReissueFee : 0, 0, "the passport"))
        fail(JourneyReport::Ending::RuleBroken, *broken);
}

int JourneyBot::daysToEarn(std::int32_t amount) const
{
    const int wage = std::max(1, arbeitJob(game_.state).wage);
    return std::max(1, static_cast<int>((amount + wage - 1) / wage));
}

void JourneyBot::work(int days)
{
    watchman_.look(game_);
    game_.CapitalDlg.openPartTimeJob();
    if (!ui_.isOpen(WindowId::ArbeitDlg))
        return;
    const std::int64_t wages = std::int64_t{days} * arbeitJob(game_.state).wage;
    game_.ArbeitDlg.Edit1Text = std::to_string(days);
    game_.ArbeitDlg.takeJob();
    const std::int64_t paid =
        std::min<std::int64_t>(wages, INT32_MAX - std::int64_t{game_.state.yen});
    if (auto broken = watchman_.afterAction(game_, paid, 0, "the job"))
        fail(JourneyReport::Ending::RuleBroken, *broken);
}

}  // namespace korvalin

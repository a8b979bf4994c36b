#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bot_ui.h"
#include "headless/headless_driver.h"
#include "route_plan.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "watchman.h"
#include "world/direction.h"

namespace korvalin {

struct JourneyReport {
    enum class Ending { London, OutOfMoney, Stuck, RuleBroken };

    Ending ending = Ending::Stuck;
    int days = 0;  // the day number on arrival or at the end
    long ticks = 0;
    std::string why;                     // what went wrong, unless London
    std::vector<std::string> cityStops;  // the captions of the screens met on the way
};

std::string_view endingName(JourneyReport::Ending ending);

// A player without a display: chooses a course, plays the route leg by leg
// through the same handlers a player's keys and clicks reach, and answers
// the message boxes. The watchman checks the game after every tick.
class JourneyBot {
public:
    // course 0..2 (大王, 貧民, 大貧民); the clock's milliseconds seed the game.
    JourneyBot(int course, std::uint32_t startMilliseconds, std::vector<PlannedLeg> route,
               const WorldGrid& world);

    JourneyReport play(long maxTicks);

    // Keeps the game where a player would save it: after every visa, the
    // saved game and the diary go to these files, and at the end the diary
    // again, whatever the ending.
    void saveTo(SaveFiles files) { saveFiles_ = std::move(files); }

    Game& game() { return game_; }
    // What the message boxes said to the player, in order.
    const std::vector<std::string>& said() const { return ui_.said; }

private:
    void startJourney();
    void tick();
    void actInCity();
    void leaveCity(bool withVisa);
    void takeVisa();
    std::int32_t fareTo(const Spot& goal) const;
    bool thumbsForARide();
    void collectSavings();
    void work(int days);
    int daysToEarn(std::int32_t amount) const;
    void reissuePassport();
    void steer();
    void planLeg();
    void pressToward(Direction d);
    void fail(JourneyReport::Ending ending, std::string why);

    int course_;
    std::vector<PlannedLeg> route_;
    BotUi ui_;
    SimulatedClock clock_;
    Game game_{ui_, clock_};
    Watchman watchman_;

    std::size_t legIndex_ = 0;  // the leg whose visa comes next
    bool onLastLeg_ = false;    // the leg to London is under way
    const Spot* goal_ = nullptr;
    std::vector<Direction> path_;
    std::size_t pathStep_ = 0;
    int pathX_ = 0, pathY_ = 0;  // the cell the current step starts from
    int thumbedAt_ = -1;
    bool refuelling_ = false;  // heading for the nearest place with work
    std::vector<Spot>
        places_;  // every capital and city         // the cell where a ride was last asked for

    std::optional<SaveFiles> saveFiles_;
    std::optional<JourneyReport> report_;
    std::vector<std::string> cityStops_;
    long ticks_ = 0;
    long ticksSinceProgress_ = 0;
};

}  // namespace korvalin

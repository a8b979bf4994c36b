// Plays whole journeys from Kanazawa to London on every course and reports
// how they ended and how many days they took.
//   journey_bot [journeys per course, default 100] [first seed, default 1]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "game/game_clock.h"
#include "journey_bot.h"

namespace {

constexpr long MaxTicks = 30'000'000;

}  // namespace

int main(int argc, char** argv)
{
    using namespace korvalin;
    const int journeys = argc > 1 ? std::atoi(argv[1]) : 100;
    const std::uint32_t firstSeed = argc > 2 ? static_cast<std::uint32_t>(std::atol(argv[2])) : 1;

    WorldGrid world;
    world.build();
    const std::vector<PlannedLeg> route = planRoute(world);
    std::printf("route:");
    for (const PlannedLeg& leg : route)
        std::printf(" %s ->", std::string(leg.from->caption).c_str());
    std::printf(" London\n");

    bool allEnded = true;
    for (int course = 0; course < 3; ++course) {
        std::map<std::string_view, int> endings;
        std::vector<int> days;
        JourneyReport fastest;
        fastest.days = INT32_MAX;
        for (int j = 0; j < journeys; ++j) {
            const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(j) * 7919u;
            JourneyReport report = JourneyBot(course, seed, route, world).play(MaxTicks);
            ++endings[endingName(report.ending)];
            if (report.ending == JourneyReport::Ending::London) {
                days.push_back(report.days);
                if (report.days < fastest.days)
                    fastest = report;
            } else if (report.ending != JourneyReport::Ending::OutOfMoney) {
                allEnded = false;
                std::printf("course %d seed %u: %s: %s\n", course + 1, seed,
                            std::string(endingName(report.ending)).c_str(), report.why.c_str());
            }
        }
        std::ranges::sort(days);
        std::printf("course %d:", course + 1);
        for (const auto& [name, count] : endings)
            std::printf(" %s %d;", std::string(name).c_str(), count);
        if (!days.empty()) {
            const auto beaten = std::ranges::count_if(days, [](int d) { return d < RecordDays; });
            std::printf(" days min %d, median %d, max %d; under %d days: %ld of %zu\n",
                        days.front(), days[days.size() / 2], days.back(), RecordDays,
                        static_cast<long>(beaten), days.size());
            std::printf("  fastest (%d days):", fastest.days);
            for (const std::string& stop : fastest.cityStops)
                std::printf(" %s", stop.c_str());
            std::printf("\n");
        } else {
            std::printf(" no journey reached London\n");
        }
    }
    return allEnded ? 0 : 1;
}

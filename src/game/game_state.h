#pragma once

#include <cstdint>
#include <string>

#include "world/direction.h"
#include "world/leg_codes.h"
#include "world/tile_codes.h"

namespace korvalin {

// Speed factor of a travel mode, counted in quarters so that the game
// minutes per tick (120 / factor) are always a whole number: climbing is
// one quarter (480 minutes), walking four (120), a ride forty-eight (10).
struct TravelSpeed {
    std::uint8_t quarters = 4;

    constexpr int minutesPerTick() const { return 480 / quarters; }
    friend constexpr bool operator==(TravelSpeed, TravelSpeed) = default;
};

inline constexpr TravelSpeed Climbing{1};
inline constexpr TravelSpeed Walking{4};
inline constexpr TravelSpeed ShoeWalking{8};
inline constexpr TravelSpeed CamelSpeed{16};
inline constexpr TravelSpeed HorseSpeed{24};
inline constexpr TravelSpeed RideSpeed{48};

inline constexpr int MinutesPerDay = 1440;

// The capital screen's destination buttons, each saved as chosen or not.
inline constexpr int DestinationButtonCount = 18;

// Every variable of a game in progress. Fields that go into the saved game
// carry their key in the save file as their name.
struct GameState {
    LegCodes leg{.PP = 14, .PPA = 111, .PPB = 0, .PN = 14, .PNA = 111, .PNB = 0, .PS = NoExtraTile};

    // Top-left cell of the view; the hiker stands on (MapX + 15, MapY + 14).
    std::uint8_t MapX = 225;
    std::uint8_t MapY = 105;

    std::int32_t yen = 0;
    std::int32_t yokin = 100000;
    std::int32_t aryen = 0;
    std::int32_t day = MinutesPerDay;  // game minutes; day number = day / 1440
    std::int32_t dayold = 1;
    std::int32_t dayp = 0;
    std::uint8_t kk = 1;

    std::int32_t dd = 4;
    std::string Namae;
    std::string mNow;
    std::string toshi;  // the city of the stay: the last city arrived in, by its caption

    bool Start = true;
    bool lostf = false;
    bool nyukoku = false;
    bool nyu = false;
    bool buy = false;
    bool pekingd = false;
    bool sould = false;
    bool moscowd = false;
    bool Level1 = false;
    bool Level2 = false;
    bool Level3 = false;

    bool HaveMap = false;
    bool Nikki = false;
    bool HaveKutu = false;
    bool HaveHuku = false;
    bool HaveCard = false;
    bool HaveHaramaki = false;
    bool HaveDall = false;
    bool HaveUma = false;
    bool HavePearl = false;
    bool HaveRakuda = false;
    bool HaveTubo = false;
    bool HaveLion = false;

    bool sosin1 = false;
    bool sosin2 = false;
    bool jusin1 = false;
    bool jusin2 = false;

    // Not saved.
    Direction MoveDir = Direction::None;
    Direction WantDir = Direction::None;
    std::uint8_t ScrollX = 16;
    std::uint8_t ScrollY = 16;
    TravelSpeed travelSpeed = Walking;
    std::uint8_t costRate = 1;
    std::uint8_t noRide = 0;
    std::uint8_t hitchOdds = 0;
    std::uint8_t rideTicks = 0;
    std::uint8_t rideLimitDraw = 0;
    std::int32_t lossDraw = 0;
    std::uint8_t bounceCount = 0;
    bool turnedBackTold = false;  // the diary has said why since the last key press
    std::uint8_t climbTicks = 0;
    bool capitalf = false;
    bool TitlePending = true;
    bool quitf = false;
    bool londonf = true;
    bool worked = false;
    bool visaf = false;
    bool sosinf = false;
    bool sosin3 = false;
    bool jusin3 = false;
    std::uint8_t arbeitno = 0;
    std::uint8_t konzatsuno = 0;
    // The leg the hiker arrived with, so that leaving a capital without a
    // visa can undo a choice made there.
    LegCodes legsave{};
    std::uint8_t denpono = 0;
    std::uint8_t helppage = 1;

    // What the windows once kept in their controls, saved under the
    // controls' names. The country the hiker is in, as the status bar names
    // it (saved as Label5.Caption).
    std::string countryCaption;
    // The next country's visa is still to be got in this country (saved as
    // Button7.Visible, never read back).
    bool visaToGet = true;
    // The capital screen's chosen destination button, 1..18; 0 none (saved
    // as RadioButtonN.Checked).
    std::uint8_t destination = 0;
    // The destination button the visa was got for, the only one still to
    // be chosen; 0 while any may be.
    std::uint8_t visaFor = 0;

    friend bool operator==(const GameState&, const GameState&) = default;

    // A visa not yet used is void: the visa is to be got again and every
    // destination may be chosen.
    void voidVisa()
    {
        visaToGet = true;
        visaFor = 0;
    }

    // A journey is under way once a course has been chosen.
    bool courseChosen() const { return Level1 || Level2 || Level3; }
    int dayNumber() const { return day / MinutesPerDay; }
    int hikerX() const { return MapX + 15; }
    int hikerY() const { return MapY + 14; }
};

}  // namespace korvalin

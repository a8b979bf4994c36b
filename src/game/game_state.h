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
    // The leg: codes of the present country (PP..PPB), the destination (PN..PNB), an extra (PS).
    LegCodes leg{.PP = 14, .PPA = 111, .PPB = 0, .PN = 14, .PNA = 111, .PNB = 0, .PS = NoExtraTile};

    // Top-left cell of the view; the hiker stands on (MapX + 15, MapY + 14).
    std::uint8_t MapX = 225;
    std::uint8_t MapY = 105;

    // Cash in hand, in yen; a key press may take it below 0.
    std::int32_t yen = 0;
    // Yen waiting at the bank (yokin, savings): the course money and money from home.
    std::int32_t yokin = 100000;
    // Yen earned by the last part-time job (arbeit), days times daily wage.
    std::int32_t aryen = 0;
    std::int32_t day = MinutesPerDay;  // game minutes; day number = day / 1440
    // The last day number whose heading the diary has written.
    std::int32_t dayold = 1;
    // The clock, in minutes, when the passport-lost telegram was sent.
    std::int32_t dayp = 0;
    // Divisor of the passport-loss chance: each tick draws below kk x 200, and 0 loses it.
    std::uint8_t kk = 1;

    // Index of the last diary line an append wrote; the next goes to dd + 1.
    std::int32_t dd = 4;
    // The player's name (namae), asked for by START.
    std::string Namae;
    // The date the journey started, yy/mm/dd; the diary dates each day from it.
    std::string mNow;
    // The city of the stay (toshi, city): the last city arrived in, by its
    // caption; where a load resumes.
    std::string toshi;

    // No city has yet been left for good; an empty purse ends nothing meanwhile.
    bool Start = true;
    // The passport is lost.
    bool lostf = false;
    // The hiker has entered (nyukoku) the destination country on this leg.
    bool nyukoku = false;
    // The diary's line on entering the new country is still to be written.
    bool nyu = false;
    // Something was bought during this stay: one purchase a stay.
    bool buy = false;
    // Beijing has been reached once, so later arrivals say 再び.
    bool pekingd = false;
    // Seoul has been reached once.
    bool sould = false;
    // Moscow has been reached once.
    bool moscowd = false;
    // The course 大王コース (200000 yen) was chosen.
    bool Level1 = false;
    // The course 貧民コース (100000 yen) was chosen.
    bool Level2 = false;
    // The course 大貧民コース (50000 yen) was chosen.
    bool Level3 = false;

    // Owns the map: the world map and the place names under the pointer.
    bool HaveMap = false;
    // Owns the map with the duo's diary (nikki): as the map, plus their route.
    bool Nikki = false;
    // Owns the sneakers (kutsu, shoes): walks twice as fast and never has to climb.
    bool HaveKutu = false;
    // Owns the smart clothes (fuku): the well-paid model job.
    bool HaveHuku = false;
    // Owns the eye-catching placard: better hitchhiking odds.
    bool HaveCard = false;
    // Owns the belly-band (haramaki): the passport is four times harder to lose.
    bool HaveHaramaki = false;
    // Owns the wooden doll (bought in Jakarta, worth much at Sri Lanka's pawn shop).
    bool HaveDall = false;
    // Owns the horse (uma): rides six times walking speed, not into mountains or the sea.
    bool HaveUma = false;
    // Owns the black pearl (bought in Sri Lanka, worth double at Sanaa's pawn shop).
    bool HavePearl = false;
    // Owns the camel (rakuda): rides four times walking speed; stays behind at the shore.
    bool HaveRakuda = false;
    // Owns the pot (tsubo; bought in Sanaa, worth much at Nicosia's pawn shop).
    bool HaveTubo = false;
    // Owns the lion statue (bought in Manila, worth much at Singapore's pawn shop).
    bool HaveLion = false;

    // The telegram 元気に旅行中 was sent (soshin); answered in the next country.
    bool sosin1 = false;
    // The telegram 金送れ was sent; answered in the next country.
    bool sosin2 = false;
    // The answer (jushin, received) to sosin1 waits at the telegram office.
    bool jusin1 = false;
    // The answer to sosin2 waits at the telegram office.
    bool jusin2 = false;

    // Not saved.

    // The direction the hiker is moving in; None while he stands.
    Direction MoveDir = Direction::None;
    // The direction the last arrow key asked for; None stops him at the next cell boundary.
    Direction WantDir = Direction::None;
    // Pixel offset of the shown view inside the view bitmap, 16 at rest.
    std::uint8_t ScrollX = 16;
    // The same, down the view.
    std::uint8_t ScrollY = 16;
    // Speed of the travel mode, which sets the game minutes a tick takes.
    TravelSpeed travelSpeed = Walking;
    // Cost factor of the travel mode: a moving tick costs 30 x costRate yen.
    std::uint8_t costRate = 1;
    // 0 while a hitchhiked ride carries the hiker; otherwise he walks. Drawn at each key press.
    std::uint8_t noRide = 0;
    // The country's hitchhiking odds: a key press gets a ride with chance 1 in hitchOdds.
    std::uint8_t hitchOdds = 0;
    // Ticks the present ride has lasted.
    std::uint8_t rideTicks = 0;
    // Drawn below 8 every tick; the ride ends at 24 x rideLimitDraw + 40 ticks.
    std::uint8_t rideLimitDraw = 0;
    // Drawn below kk x 200 every tick; 0 loses the passport on the open road.
    std::int32_t lossDraw = 0;
    // Steps refused since the last reset; at 32 the hiker gives up and stands.
    std::uint8_t bounceCount = 0;
    bool turnedBackTold = false;  // the diary has said why since the last key press
    // Climbing ticks modulo 4; the diary sighs about the climb every fourth.
    std::uint8_t climbTicks = 0;
    // The place just entered is a capital (true) or a plain city (false).
    bool capitalf = false;
    // The main window's next activation shows the title screen.
    bool TitlePending = true;
    // The player has chosen to end; the journey timer then closes the main window.
    bool quitf = false;
    // The arrival in London is still to be celebrated.
    bool londonf = true;
    // A part-time job was done during this stay.
    bool worked = false;
    // A visa was obtained after the week's wait at a crowded counter during this stay.
    bool visaf = false;
    // A telegram was sent during this stay: one a stay.
    bool sosinf = false;
    // The telegram パスポート紛失、金送れ was sent and not yet answered.
    bool sosin3 = false;
    // The answer to sosin3 is due: a week has passed since dayp.
    bool jusin3 = false;
    // The part-time job (arbeit) on offer, 0..9, drawn whenever the capital screen shows.
    std::uint8_t arbeitno = 0;
    // The crowded (konzatsu) embassy counter of this stay: destination button konzatsuno + 1.
    std::uint8_t konzatsuno = 0;
    // The leg the hiker arrived with, so that leaving a capital without a
    // visa can undo a choice made there.
    LegCodes legsave{};
    // Which reply text (denpo, telegram) the answer from home uses, 0..9.
    std::uint8_t denpono = 0;
    // The help page on show, 1..45, kept while the window is hidden.
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

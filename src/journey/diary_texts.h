#pragma once

#include <array>
#include <string>
#include <string_view>

#include "world/direction.h"

namespace korvalin {

// The lines that close a day on which nothing else was written, and the
// direction's own lines for Christmas Eve and New Year's Day.
struct DayTexts {
    std::array<std::string_view, 2> walking;  // by the day's draw RandInt(2)
    std::string_view horse;
    std::string_view camel;
    std::string_view christmas;  // going north on a refused day, only away from Japan
    std::string_view newYear;
};

// Each direction of travel has its own flavour texts, so a long journey reads
// varied.
struct DirectionTexts {
    std::array<std::string_view, 10> vehicle;  // by the ride draw 0..9
    // Replaces vehicle[7] when the cell north of the hiker is Japan; empty: no
    // such alternative.
    std::string_view vehicle7BesideJapan{};
    std::string_view climbing;
    // Empty: that ship is named after the player (NamedShipLine).
    std::array<std::string_view, 2> ship;
    DayTexts normal;
    DayTexts refused;  // a day that ends while the hiker is being turned back
};

// d is one of North, South, West, East.
const DirectionTexts& textsFor(Direction d);

// A line with the player's name Namae in its place %1.
struct NamedLine {
    std::string_view pattern;

    // The line in the language of play.
    std::string with(std::string_view namae) const;
};

inline constexpr NamedLine NamedShipLine{"　　%1丸に乗船。名前はいいがボロ船。"};

// The tables hold the Japanese texts, the catalogue's keys; the lines below
// are given in the language of play.

// Ride line k (0..9); japanToTheNorth: the cell north of the hiker is Japan.
std::string_view vehicleLine(Direction d, int k, bool japanToTheNorth);

// Ship line k (0..1), with the player's name where the ship bears it.
std::string shipLine(Direction d, int k, std::string_view namae);

// Rides drawn 10..19 share this line in every direction.
inline constexpr std::string_view TruckPassengerLine = "　　トラックの助手席に乗せてもらう。";

inline constexpr std::string_view HorseMountLine = "　　颯爽と馬に乗る。";
inline constexpr std::string_view CamelMountLine = "　　颯爽とラクダに乗る。";

enum class Occasion { ChristmasEve, NewYear, Valentine, WhiteDay, AprilFirst, Tanabata };

// The dates (yy/mm/dd) the diary celebrates, in the order they are tested.
struct SpecialDate {
    Occasion occasion;
    std::array<std::string_view, 3> dates;
    std::string_view line{};  // empty: the direction's own line (DayTexts)
};

inline constexpr int SpecialDateCount = 6;

extern const std::array<SpecialDate, SpecialDateCount> SpecialDates;

// The special date that `date` is, or nullptr.
const SpecialDate* specialDateOn(std::string_view date);

// Losing the passport: worded by whether it is the first loss and whether the
// hiker was heading for another country.
std::string_view passportLossLine(bool firstLoss, bool headingAbroad);

// Why the hiker is turned back, told once for each try: the cell ahead is
// the sea on a leg without a ship, a mountain he cannot climb with what he
// rides or wears, or land he has no visa for.
enum class Barrier { Sea, Mountain, Border };

std::string_view turnedBackLine(Barrier barrier);

inline constexpr NamedLine LondonLine1{
    "　　ついにロンドン。目の前が涙でかすみ%1さん、ユーラシア横断おめでとうの文字がにじんで見える。"};
inline constexpr std::string_view LondonLine2 =
    "　　苦しかったことが、たまらなく懐かしくなった。この旅でどんなにか成長したことだろう。";
inline constexpr std::string_view LondonLine3 = "　　でも、もうやらない。";

}  // namespace korvalin

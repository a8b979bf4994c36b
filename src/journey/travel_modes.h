#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/colors.h"
#include "game/game_state.h"
#include "world/direction.h"

namespace korvalin {

// How the hiker moves through a cell. A step whose mode would be "unchanged"
// (an animal that cannot be ridden here) picks none of these.
enum class TravelMode { Climbing, Walking, ShoeWalking, Camel, Horse, Ride, Ship };

// What choosing a mode sets.
struct ModeSettings {
    TravelMode mode;
    TravelSpeed speed;
    std::uint8_t costRate;      // each tick costs YenPerCostUnit x costRate
    std::string_view caption;   // Label3
    std::uint32_t markerColor;  // Shape1; a change of colour announces the mode
    int interval;               // milliseconds until the next tick
};

inline constexpr int YenPerCostUnit = 30;
inline constexpr int TravelModeCount = 7;

// clang-format off
inline constexpr std::array<ModeSettings, TravelModeCount> TravelModes{{
    {.mode = TravelMode::Climbing, .speed = Climbing, .costRate = 1, .caption = "山登り", .markerColor = colors::White, .interval = 2000},
    {.mode = TravelMode::Walking, .speed = Walking, .costRate = 1, .caption = "徒歩", .markerColor = colors::Purple, .interval = 500},
    {.mode = TravelMode::ShoeWalking, .speed = ShoeWalking, .costRate = 1, .caption = "徒歩", .markerColor = colors::Navy, .interval = 250},
    {.mode = TravelMode::Camel, .speed = CamelSpeed, .costRate = 2, .caption = "ラクダ", .markerColor = colors::Yellow, .interval = 125},
    {.mode = TravelMode::Horse, .speed = HorseSpeed, .costRate = 2, .caption = "馬上", .markerColor = colors::Green, .interval = 100},
    {.mode = TravelMode::Ride, .speed = RideSpeed, .costRate = 0, .caption = "ヒッチハイクに成功", .markerColor = colors::Red, .interval = 50},
    {.mode = TravelMode::Ship, .speed = RideSpeed, .costRate = 10, .caption = "船上", .markerColor = colors::Teal, .interval = 50},
}};
// clang-format on

// A ride westward shows its caption indented like a diary line.
inline constexpr std::string_view RideCaptionGoingWest = "　　ヒッチハイクに成功";

constexpr const ModeSettings& settingsOf(TravelMode mode)
{
    return TravelModes[static_cast<std::size_t>(mode)];
}

// Label3's caption for a mode taken going `d`, as the catalogue keys it.
constexpr std::string_view modeCaption(TravelMode mode, Direction d)
{
    return mode == TravelMode::Ride && d == Direction::West ? RideCaptionGoingWest
                                                            : settingsOf(mode).caption;
}

constexpr bool modesInOrder()
{
    for (std::size_t i = 0; i < TravelModes.size(); ++i) {
        if (static_cast<std::size_t>(TravelModes[i].mode) != i)
            return false;
    }
    return true;
}

static_assert(modesInOrder());
// A cell is eight ticks: 2 days 16 hours climbing, 16 hours walking, 8 with
// sneakers, 4 by camel, 2:40 on horseback, 1:20 on a ride or a ship.
static_assert(settingsOf(TravelMode::Climbing).speed.minutesPerTick() == 480);
static_assert(settingsOf(TravelMode::Walking).speed.minutesPerTick() == 120);
static_assert(settingsOf(TravelMode::ShoeWalking).speed.minutesPerTick() == 60);
static_assert(settingsOf(TravelMode::Camel).speed.minutesPerTick() == 30);
static_assert(settingsOf(TravelMode::Horse).speed.minutesPerTick() == 20);
static_assert(settingsOf(TravelMode::Ride).speed.minutesPerTick() == 10);
static_assert(settingsOf(TravelMode::Ship).speed.minutesPerTick() == 10);

}  // namespace korvalin

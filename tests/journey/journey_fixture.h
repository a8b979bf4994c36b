#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/random.h"
#include "journey/travel.h"
#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin::testing {

// A map of our own: all sea, with the cells a test paints.
class TestMap {
public:
    TestMap() { cells_.fill(WaterTile); }

    TestMap& set(int x, int y, std::uint8_t code)
    {
        cells_[static_cast<std::size_t>((x & 255) * GridSize + (y & 255))] = code;
        return *this;
    }

    // Every cell from (x0, y0) to (x1, y1), both included.
    TestMap& fill(int x0, int y0, int x1, int y1, std::uint8_t code)
    {
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                set(x, y, code);
        return *this;
    }

    WorldGrid grid() const { return WorldGrid::fromCells(cells_); }

private:
    std::array<std::uint8_t, GridSize * GridSize> cells_;
};

// The first clock reading whose reseeded draws (the tick's RandInt(8) and
// RandInt(kk x 200), in that order) satisfy `wanted`.
inline std::uint32_t millisecondsWhere(
    int kk, const std::function<bool(std::uint32_t rideLimit, std::uint32_t loss)>& wanted)
{
    for (std::uint32_t ms = 0;; ++ms) {
        Random random;
        random.reseed(ms);
        const std::uint32_t rideLimit = random.randInt(8);
        const std::uint32_t loss = random.randInt(static_cast<std::uint32_t>(kk) * 200);
        if (wanted(rideLimit, loss))
            return ms;
    }
}

// Codes of the test countries.
inline constexpr std::uint8_t Japan = 14;
inline constexpr std::uint8_t JapanAlps = 111;
inline constexpr std::uint8_t Korea = 9;
inline constexpr std::uint8_t China = 11;
inline constexpr std::uint8_t ChinaSecond = 48;
inline constexpr std::uint8_t Russia = 13;
inline constexpr std::uint8_t Bangladesh = 47;
inline constexpr std::uint8_t Taiwan = 1;
inline constexpr std::uint8_t Singapore = 46;

// A game standing at the start, Kanazawa (240, 119), on a map the test
// paints, with a clock whose draws never lose the passport.
class JourneyTest : public ::testing::Test {
protected:
    JourneyTest()
    {
        clock.milliseconds = millisecondsWhere(1, [](auto, auto loss) { return loss != 0; });
        game.state.mNow = "97/12/20";
        game.state.Start = false;
        game.state.yen = 100000;
    }

    void useMap(const TestMap& map) { game.world = map.grid(); }

    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            game.Travel.advanceJourney();
    }

    // Releases an arrow key without pressing it first: a direction without a
    // new hitchhiking draw.
    void release(int virtualKey) { game.Travel.FormKeyUp(virtualKey); }
    void press(int virtualKey) { game.Travel.FormKeyDown(virtualKey); }

    int hikerX() const { return game.state.hikerX(); }
    int hikerY() const { return game.state.hikerY(); }
    const std::string& line(int i) const { return game.diary.get(i); }
    const std::string& lastLine() const { return game.diary.get(game.state.dd); }

    FakeUi ui;
    FakeClock clock;
    Game game{ui, clock};
    Travel& travel = game.Travel;
    GameState& s = game.state;
};

inline constexpr int Up = Travel::VK_UP;
inline constexpr int Down = Travel::VK_DOWN;
inline constexpr int Left = Travel::VK_LEFT;
inline constexpr int Right = Travel::VK_RIGHT;

}  // namespace korvalin::testing

#pragma once

#include <cstdint>

#include "game/random.h"
#include "journey/journey_fixture.h"

namespace korvalin::testing {

// A game in a capital, with money in hand, whose next draws the test picks.
class ServicesTest : public JourneyTest {
protected:
    // Seeds the generator so that its next RandInt(n) is `wanted`.
    void nextDraw(std::uint32_t n, std::uint32_t wanted)
    {
        for (std::uint32_t seed = 0;; ++seed) {
            Random probe;
            probe.reseed(seed);
            if (probe.randInt(n) == wanted) {
                game.random.reseed(seed);
                return;
            }
        }
    }

    void inCity(const char* caption) { game.state.toshi = caption; }
};

}  // namespace korvalin::testing

// Every text the journey itself introduces must exist in the game's code page.
#include <gtest/gtest.h>

#include "journey/diary_entries.h"
#include "journey/travel_modes.h"
#include "support/shift_jis.h"

namespace korvalin {
namespace {

TEST(JourneyTextsCp932Test, ModeCaptions)
{
    for (const ModeSettings& mode : TravelModes)
        expectShiftJisRoundTrip(mode.caption);
    expectShiftJisRoundTrip(RideCaptionGoingWest);
}

TEST(JourneyTextsCp932Test, StatusBarAndHeadings)
{
    for (std::string_view text : {"海上通過", "Korvalinを終了しますか？", "12万3456円", "190日"})
        expectShiftJisRoundTrip(text);
    expectShiftJisRoundTrip(dayHeading(12, "97/12/24", "ボスニア・ヘルツェゴビナ"));
}

}  // namespace
}  // namespace korvalin

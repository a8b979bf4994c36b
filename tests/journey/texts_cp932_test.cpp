// Every text the journey itself introduces must exist in the game's code page.
#include <gtest/gtest.h>

#include "journey/diary_entries.h"
#include "journey/travel_modes.h"
#include "save/cp932.h"

namespace korvalin {
namespace {

void expectRoundTrip(std::string_view text)
{
    const auto encoded = toCp932(std::string(text));
    ASSERT_TRUE(encoded) << text;
    EXPECT_EQ(fromCp932(*encoded), std::string(text)) << text;
}

TEST(JourneyTextsCp932Test, ModeCaptions)
{
    for (const ModeSettings& mode : TravelModes)
        expectRoundTrip(mode.caption);
    expectRoundTrip(RideCaptionGoingWest);
}

TEST(JourneyTextsCp932Test, StatusBarAndHeadings)
{
    for (std::string_view text : {"海上通過", "Korvalinを終了しますか？", "12万3456円", "190日"})
        expectRoundTrip(text);
    expectRoundTrip(dayHeading(12, "97/12/24", "ボスニア・ヘルツェゴビナ"));
}

}  // namespace
}  // namespace korvalin

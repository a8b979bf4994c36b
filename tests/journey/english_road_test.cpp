// The road's diary in English: Kanazawa to Tokyo to Seoul on the real world
// grid, played headless, and every line the road can write.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/language.h"
#include "game_texts.h"
#include "headless/headless_driver.h"
#include "journey/leg_search.h"
#include "journey_bot.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/golden_file.h"
#include "support/in_english.h"
#include "support/shift_jis.h"
#include "world/city_table.h"

namespace korvalin::testing {
namespace {

const Spot& capitalSpot(std::string_view name)
{
    return *std::ranges::find(CapitalSpots, name, &Spot::name);
}

// A player who walks each leg's cheapest way, asking for every turn while
// the step before it is under way; the clock moves with the game's waits.
class RoadTrip {
public:
    static const WorldGrid& world()
    {
        static const WorldGrid grid = [] {
            WorldGrid built;
            built.build();
            return built;
        }();
        return grid;
    }

    RoadTrip()
    {
        game.world = world();
        GameState& s = game.state;
        s.mNow = "97/12/20";
        s.Start = false;
        s.yen = 500000;
    }

    // Kanazawa to Tokyo, then Tokyo to Seoul as the capital screen's first
    // destination leaves it; the screens themselves are not opened. The
    // lines after the diary's opening ones.
    std::string diary()
    {
        const int opening = game.state.dd;
        travelTo(capitalSpot("東京"));
        GameState& s = game.state;
        s.leg = *legCodes(*findCity("日本国首都東京"), 1);
        s.nyukoku = false;
        s.nyu = false;
        travelTo(capitalSpot("ソウル"));
        std::string lines;
        for (int i = opening + 1; i <= s.dd; ++i)
            lines += game.diary.get(i) + '\n';
        return lines;
    }

private:
    void travelTo(const Spot& goal)
    {
        GameState& s = game.state;
        const auto path =
            searchLeg(world(), s, s.hikerX(), s.hikerY(), std::span(&goal, 1), {true});
        ASSERT_TRUE(path.has_value()) << goal.name;
        const std::vector<Direction>& steps = path->steps;
        int x = s.hikerX(), y = s.hikerY();
        game.Travel.FormKeyUp(virtualKeyOf(steps[0]));
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (i + 1 < steps.size())
                game.Travel.FormKeyUp(virtualKeyOf(steps[i + 1]));
            x += stepOf(steps[i]).dx;
            y += stepOf(steps[i]).dy;
            for (int t = 0; t < 40 && (s.hikerX() != x || s.hikerY() != y); ++t)
                driver.run(1);
            ASSERT_EQ(s.hikerX(), x) << "step " << i << " to " << goal.name;
            ASSERT_EQ(s.hikerY(), y) << "step " << i << " to " << goal.name;
        }
    }

    FakeUi ui;
    SimulatedClock clock{12'345'678};
    Game game{ui, clock};
    HeadlessDriver driver{game, clock};
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(EnglishRoadTest, TheDiaryFromKanazawaToSeoulMatchesItsGolden)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    const std::string actual = RoadTrip().diary();
    EXPECT_EQ(actual, testing::goldenBytes("journey/road_en.golden", actual));
}

// The rules read the mode and the country, never their captions: the same
// journey writes the same lines in both languages, word for word the
// catalogue's where a line is one of its texts.
TEST(EnglishRoadTest, BothLanguagesWriteTheSameDiaryApartFromTheWords)
{
    const auto japanese = linesOf(RoadTrip().diary());
    InEnglish english;
    ASSERT_TRUE(english.ready());
    const auto translated = linesOf(RoadTrip().diary());
    ASSERT_EQ(translated.size(), japanese.size());
    for (std::size_t i = 0; i < japanese.size(); ++i) {
        EXPECT_EQ(translated[i].empty(), japanese[i].empty()) << i;
        if (tr(japanese[i]) != japanese[i]) {
            EXPECT_EQ(translated[i], tr(japanese[i])) << i;
        }
    }
}

// The diary file is Shift-JIS: English lines are plain ASCII, and so are the
// country names the day headings take.
TEST(EnglishRoadTest, EveryRoadDiaryTextIsPlainAscii)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    const auto written = [](std::string_view place) {
        return (place.starts_with("diary/") && place != "diary/window") ||
               place.starts_with("country/");
    };
    for (const GameText& text : gameTexts()) {
        if (!written(text.place))
            continue;
        const std::string_view english = tr(text.text);
        EXPECT_TRUE(std::ranges::all_of(english, [](char c) { return c >= ' ' && c <= '~'; }))
            << text.place << ": " << english;
        expectShiftJisRoundTrip(english);
    }
}

}  // namespace
}  // namespace korvalin::testing

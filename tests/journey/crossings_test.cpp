// Crossing into the destination country, the country in the status bar, its
// hitchhiking odds and the entry line.
#include "journey_fixture.h"
#include "world/region_table.h"

namespace korvalin::testing {
namespace {

// Japan up to column 240, Korea from 242: Kanazawa is one cell from the
// border.
class CrossingTest : public JourneyTest {
protected:
    CrossingTest()
    {
        useMap(TestMap().fill(200, 100, 240, 140, Japan).fill(242, 100, 255, 140, Korea));
        s.leg.PN = Korea;
        s.leg.PNA = s.leg.PNB = Korea;
        s.sosin1 = true;
        s.buy = true;
        s.jusin3 = true;
        game.state.visaToGet = false;
        game.state.visaFor = 3;
    }
};

TEST_F(CrossingTest, NothingHappensTwoCellsAway)
{
    tick();
    EXPECT_FALSE(s.nyukoku);
    EXPECT_EQ(s.leg.PP, Japan);
}

TEST_F(CrossingTest, TheCrossingComesOneCellEarly)
{
    game.world = TestMap().fill(200, 100, 240, 140, Japan).fill(241, 100, 255, 140, Korea).grid();
    tick();
    EXPECT_TRUE(s.nyukoku);
    EXPECT_EQ(s.leg.PP, Korea);
    EXPECT_EQ(s.leg.PPA, Korea);
    EXPECT_EQ(s.leg.PPB, Korea);
    EXPECT_EQ(hikerX(), 240);
}

TEST_F(CrossingTest, CrossingVoidsTheOldCountrysOffersAndForwardsTelegrams)
{
    s.sosin2 = true;
    s.MapX = 226;  // beside Korea
    tick();
    EXPECT_TRUE(game.state.visaToGet);
    EXPECT_TRUE(game.CapitalDlg.destinationEnabled(4));
    EXPECT_FALSE(s.jusin3);
    EXPECT_FALSE(s.buy);
    EXPECT_TRUE(s.jusin1);
    EXPECT_FALSE(s.sosin1);
    EXPECT_TRUE(s.jusin2);
    EXPECT_FALSE(s.sosin2);
}

TEST_F(CrossingTest, TheEntryLineIsWrittenOnce)
{
    s.MapX = 226;
    tick();
    EXPECT_EQ(lastLine(), "　　韓国に入国。");
    EXPECT_EQ(line(s.dd + 1), "end");
    EXPECT_FALSE(s.nyu);
    EXPECT_EQ(game.state.countryCaption, "韓国");
    const int dd = s.dd;
    tick(3);
    EXPECT_EQ(s.dd, dd);
}

// The crossing is checked before the step: once across, the country left
// behind is no road any more.
TEST_F(CrossingTest, OnceAcrossTheOldCountryIsNoRoad)
{
    s.MapX = 226;  // at sea beside Korea, Japan to the west
    s.noRide = 1;
    release(Left);
    tick();
    EXPECT_EQ(s.leg.PP, Korea);
    EXPECT_EQ(s.bounceCount, 1);
    EXPECT_EQ(s.MoveDir, Direction::East);
}

class OtherRegionTest : public CrossingTest, public ::testing::WithParamInterface<bool> {};

// The second and third codes of the destination count on the hiker's own
// cell only.
TEST_P(OtherRegionTest, CountsUnderfootOnly)
{
    (GetParam() ? s.leg.PNB : s.leg.PNA) = Russia;
    game.world = TestMap().fill(200, 100, 240, 140, Japan).set(241, 119, Russia).grid();
    tick();
    EXPECT_FALSE(s.nyukoku);
    game.world = TestMap().fill(200, 100, 240, 140, Japan).set(240, 119, Russia).grid();
    tick();
    EXPECT_TRUE(s.nyukoku);
}

INSTANTIATE_TEST_SUITE_P(SecondOrThird, OtherRegionTest, ::testing::Bool());

TEST_F(CrossingTest, OnlyOneCrossingPerLeg)
{
    s.MapX = 226;
    tick();
    s.leg.PN = Russia;
    s.leg.PNA = s.leg.PNB = Russia;
    useMap(TestMap().fill(0, 0, 255, 255, Russia));
    tick();
    EXPECT_EQ(s.leg.PP, Korea);
}

TEST_F(CrossingTest, ALegWithinTheCountryNeverCrosses)
{
    s.leg.PN = Japan;
    s.MapX = 226;
    tick();
    EXPECT_FALSE(s.nyukoku);
    EXPECT_FALSE(s.nyu);
    EXPECT_TRUE(s.buy);
}

TEST_F(CrossingTest, ALostPassportPostponesTheEntryLine)
{
    s.lostf = true;
    s.MapX = 226;
    tick();
    EXPECT_TRUE(s.nyu);
    EXPECT_NE(lastLine(), "　　韓国に入国。");
    s.lostf = false;
    tick();
    EXPECT_EQ(lastLine(), "　　韓国に入国。");
}

// The entry line waits for a leg that ends in the country entered.
TEST_F(CrossingTest, NoEntryLineWhileTheLegLeadsElsewhere)
{
    useMap(TestMap().fill(0, 0, 255, 255, Korea));
    s.leg.PP = s.leg.PPA = s.leg.PPB = Korea;
    s.leg.PN = s.leg.PNA = s.leg.PNB = Russia;
    s.nyukoku = true;
    s.nyu = true;
    tick();
    EXPECT_EQ(game.state.countryCaption, "韓国");
    EXPECT_TRUE(s.nyu);
    EXPECT_EQ(s.dd, 4);
}

struct CaptionCase {
    const char* name;
    std::uint8_t pp;
    std::uint8_t cell;
    bool haveCard;
    std::string_view caption;
    int odds;  // 99: left as it was
};

class CountryCaptionTest : public JourneyTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CountryCaptionTest, ShowsTheCountryAndSetsItsOdds)
{
    const CaptionCase& c = GetParam();
    useMap(TestMap().fill(0, 0, 255, 255, c.cell));
    s.leg.PP = s.leg.PN = c.pp;
    s.HaveCard = c.haveCard;
    s.hitchOdds = 99;
    game.state.countryCaption = "（前の国）";
    tick();
    EXPECT_EQ(game.state.countryCaption, c.caption);
    EXPECT_EQ(s.hitchOdds, c.odds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CountryCaptionTest,
    ::testing::Values(
        CaptionCase{"JapanByCell", Japan, Japan, false, "日本", 2},
        CaptionCase{"JapanAtSea", Japan, WaterTile, false, "海上通過", 99},
        CaptionCase{"JapanInTheAlps", Japan, JapanAlps, false, "（前の国）", 99},
        CaptionCase{"KoreaAtSeaIsStillKorea", Korea, WaterTile, false, "韓国", 2},
        CaptionCase{"RussiaWithThePlacard", Russia, Russia, true, "ロシア", 40},
        CaptionCase{"RussiaWithout", Russia, Russia, false, "ロシア", 80},
        CaptionCase{"BangladeshAlwaysRides", Bangladesh, Bangladesh, false, "バングラデシュ", 1},
        CaptionCase{"TaiwanByCell", Japan, Taiwan, false, "台湾", 99},
        CaptionCase{"RussiaComesBeforeTaiwan", Russia, Taiwan, false, "ロシア", 80},
        CaptionCase{"TaiwanComesBeforeMongolia", 12, Taiwan, false, "台湾", 99},
        CaptionCase{"SingaporeKeepsTheOdds", Singapore, Singapore, false, "シンガポール", 99}),
    [](const auto& info) { return std::string(info.param.name); });

struct EntryLineCase {
    int entry;  // of the region table
    std::string_view line;
};

class EntryLineTest : public JourneyTest, public ::testing::WithParamInterface<EntryLineCase> {};

TEST_P(EntryLineTest, TheRowsEntryLineIsWritten)
{
    useMap(TestMap().fill(0, 0, 255, 255, WaterTile));
    s.leg.PP = s.leg.PN = RegionCodes(GetParam().entry);
    s.nyu = true;
    tick();
    EXPECT_EQ(lastLine(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Rows, EntryLineTest,
                         ::testing::Values(EntryLineCase{2, "　　韓国に入国。"},
                                           EntryLineCase{7, "　　ロシアに入国。"},
                                           EntryLineCase{97, "　　やった！ついにイギリスだ。"},
                                           EntryLineCase{100, "　　ボスニアに入国。"}));

TEST_F(JourneyTest, SingaporeHasNoEntryLine)
{
    useMap(TestMap().fill(0, 0, 255, 255, WaterTile));
    s.leg.PP = s.leg.PN = Singapore;
    s.nyu = true;
    tick();
    EXPECT_TRUE(s.nyu);
    EXPECT_EQ(s.dd, 4);
}

}  // namespace
}  // namespace korvalin::testing

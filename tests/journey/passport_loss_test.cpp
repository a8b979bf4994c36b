// Losing the passport on the open road, and the cap on kk.
#include "game/loss_divisor.h"
#include "journey_fixture.h"

namespace korvalin::testing {
namespace {

// Korea all round, heading for Russia; the clock's draw loses the passport.
class PassportLossTest : public JourneyTest {
protected:
    PassportLossTest()
    {
        useMap(TestMap().fill(0, 0, 255, 255, Korea));
        s.leg.PP = Korea;
        s.leg.PPA = s.leg.PPB = 0;
        s.leg.PN = s.leg.PNA = s.leg.PNB = Russia;
        losingClockFor(1);
    }

    void losingClockFor(int kk)
    {
        s.kk = static_cast<std::uint8_t>(kk);
        clock.milliseconds = millisecondsWhere(kk, [](auto, auto loss) { return loss == 0; });
    }
};

TEST_F(PassportLossTest, StandingStillTheFirstLossSendsTheHikerBack)
{
    s.WantDir = Direction::East;
    tick();
    EXPECT_TRUE(s.lostf);
    EXPECT_EQ(s.WantDir, Direction::None);
    EXPECT_EQ(travel.Timer1Interval, 1);
    EXPECT_EQ(
        lastLine(),
        "　　何てこった、パスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。");
    EXPECT_EQ(line(s.dd + 1), "end");
    EXPECT_EQ(s.leg.PN, Korea);
    EXPECT_EQ(s.kk, 2);
    EXPECT_EQ(ui.count("show", "TLostDlg"), 1);
}

TEST_F(PassportLossTest, NoSecondLossWhileThePassportIsLost)
{
    tick(3);
    EXPECT_EQ(ui.count("show", "TLostDlg"), 1);
}

struct LineCase {
    int kk;
    bool headingAbroad;
    std::string_view line;
};

class LossLineTest : public PassportLossTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LossLineTest, TheLineTellsFirstOrAgainAndWhereTo)
{
    losingClockFor(GetParam().kk);
    if (!GetParam().headingAbroad)
        s.leg.PN = Korea;
    tick();
    EXPECT_EQ(lastLine(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LossLineTest,
    ::testing::Values(
        LineCase{
            1, true,
            "　　何てこった、パスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。"},
        LineCase{
            1, false,
            "　　何てこった、パスポートをなくしてしまった。取りあえず日本大使館のある首都に向かう。トホホ。"},
        LineCase{
            2, true,
            "　　やれやれ、またパスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。"},
        LineCase{
            4, false,
            "　　情けない。またパスポートをなくしてしまった。取りあえず日本大使館のある首都に向かう。トホホ。"}));

struct SafePlaceCase {
    const char* name;
    std::function<void(TestMap&)> paint;  // around the hiker at (240, 119)
    std::uint8_t pp = Korea;
};

class SafePlaceTest : public PassportLossTest,
                      public ::testing::WithParamInterface<SafePlaceCase> {};

TEST_P(SafePlaceTest, ThePassportIsNeverLostHere)
{
    TestMap map;
    map.fill(0, 0, 255, 255, Korea);
    GetParam().paint(map);
    useMap(map);
    s.leg.PP = GetParam().pp;
    tick();
    EXPECT_FALSE(s.lostf);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SafePlaceTest,
    ::testing::Values(
        SafePlaceCase{"BesideACapital", [](TestMap& m) { m.set(241, 119, CapitalTile); }},
        SafePlaceCase{"BesideACity", [](TestMap& m) { m.set(240, 118, CityTile); }},
        SafePlaceCase{"AtSea", [](TestMap& m) { m.set(240, 119, WaterTile); }},
        SafePlaceCase{"InJapan", [](TestMap& m) { m.fill(0, 0, 255, 255, Japan); }, Japan},
        SafePlaceCase{"InSingapore", [](TestMap& m) { m.fill(0, 0, 255, 255, Singapore); },
                      Singapore},
        SafePlaceCase{"InTheMountains", [](TestMap& m) { m.set(240, 119, ChinaSecond); }}),
    [](const auto& info) { return std::string(info.param.name); });

// kk is a byte: doubling stops at 128 rather than wrapping to 0, which would
// lose the passport on every tick.
TEST(LossDivisorTest, SaturatesAt128)
{
    EXPECT_EQ(raisedLossDivisor(1, 2), 2);
    EXPECT_EQ(raisedLossDivisor(64, 2), 128);
    EXPECT_EQ(raisedLossDivisor(128, 2), 128);
    EXPECT_EQ(raisedLossDivisor(1, 4), 4);
    EXPECT_EQ(raisedLossDivisor(64, 4), 128);
    EXPECT_EQ(raisedLossDivisor(255, 4), 128);
}

TEST_F(PassportLossTest, ALossAtTheCapKeepsKkAt128)
{
    losingClockFor(128);
    tick();
    ASSERT_TRUE(s.lostf);
    EXPECT_EQ(s.kk, 128);
}

TEST_F(PassportLossTest, NineLossesLeaveAChanceAboveZero)
{
    for (int loss = 0; loss < 9; ++loss) {
        losingClockFor(s.kk);
        s.lostf = false;
        s.leg.PN = Russia;
        tick();
        ASSERT_TRUE(s.lostf) << loss;
    }
    EXPECT_EQ(s.kk, 128);
    // Had kk wrapped to 0, every one of these ticks would lose it.
    int losses = 0;
    for (std::uint32_t ms = 0; ms < 1000; ++ms) {
        clock.milliseconds = ms;
        tick();
        losses += s.lostf ? 1 : 0;
        s.lostf = false;
    }
    EXPECT_LT(losses, 5);
}

}  // namespace
}  // namespace korvalin::testing

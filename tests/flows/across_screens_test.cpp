// A journey played from the title screen as a player plays it, screen after
// screen, on the real world: the course and the name, the road to Tokyo,
// each of the city's services, the visa, the sea to Korea and Seoul; a save
// there, the road on, and a load that brings back the save's state, diary,
// trail and road.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bot_ui.h"
#include "capital/capital_texts.h"
#include "game/language.h"
#include "journey/journey_fixture.h"
#include "journey/movement_step.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "support/road.h"
#include "support/temp_dir.h"
#include "world/city_table.h"

namespace korvalin::testing {
namespace {

class AcrossScreensTest : public ::testing::Test {
protected:
    AcrossScreensTest()
    {
        clock.milliseconds = millisecondsWhere(1, [](auto, auto loss) { return loss != 0; });
        ui.onOpen = [this](WindowId window) { runOpeningHandlers(game, window); };
        ui.onClose = [this](WindowId window) { runClosingHandlers(game, window); };
        game.world.build();
        game.HelpDlg.FormCreate();
        game.CapitalDlg.FormCreate();
        ui.onModal = [this](WindowId window) {
            if (window == WindowId::HelpDlg) {
                game.HelpDlg.chooseKingCourse();
                game.HelpDlg.startOrResume();
            } else if (window == WindowId::NamaeDlg) {
                game.NamaeDlg.Password = "虹子";
                game.NamaeDlg.OKBtnClick();
            }
        };
    }

    Cell hiker() const { return {s.hikerX(), s.hikerY()}; }

    // The shortest way the leg lets the hiker walk, from where he stands to
    // a cell `arrived` accepts, never through another city.
    std::vector<Cell> wayTo(const std::function<bool(Cell)>& arrived) const
    {
        return shortestWay(
            hiker(),
            [&](Cell c) {
                const std::uint8_t code = game.world.cell(c.x, c.y);
                return code != CapitalTile && code != CityTile && passable(s, code) &&
                       !climbs(s, code);
            },
            arrived);
    }

    void walk(const std::vector<Cell>& way)
    {
        ASSERT_TRUE(walkWay(game, way)) << "stopped at " << s.hikerX() << "," << s.hikerY();
    }

    // Walks into the city from the first side the way reaches.
    void arriveIn(std::string_view caption)
    {
        const CityRow& city = *findCity(caption);
        std::vector<Cell> way = wayTo([&](Cell c) { return cityAt(c.x, c.y) == &city; });
        ASSERT_FALSE(way.empty()) << caption;
        way.push_back({city.x, city.y});
        walk(way);
        ASSERT_TRUE(ui.isOpen(WindowId::CapitalDlg));
        EXPECT_EQ(hiker(), (Cell{city.x, city.y}));
    }

    void leave()
    {
        game.CapitalDlg.OKBtnClick();
        ASSERT_FALSE(ui.isOpen(WindowId::CapitalDlg));
    }

    const std::string& lastLine() const { return game.diary.get(s.dd); }
    bool diaryHas(std::string_view line) const
    {
        return std::ranges::find(game.diary.lines(), line) != game.diary.lines().end();
    }

    BotUi ui;
    FakeClock clock;
    TempDir dir;
    Game game{ui, clock, {dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"}};
    GameState& s = game.state;
};

TEST_F(AcrossScreensTest, FromTheTitleToSeoulAndBackByALoad)
{
    game.Travel.FormActivate();
    ASSERT_EQ(s.Namae, "虹子");
    EXPECT_EQ(game.diary.get(4), game.HelpDlg.SetOffLine);

    arriveIn("日本国首都東京");
    EXPECT_EQ(lastLine(), "　　東京に到着。");
    game.CapitalDlg.openBank();  // the bank
    ASSERT_TRUE(ui.isOpen(WindowId::BankDlg));
    game.BankDlg.OKBtnClick();
    EXPECT_EQ(s.yen, 200000);

    game.CapitalDlg.openPartTimeJob();  // work
    ASSERT_TRUE(ui.isOpen(WindowId::ArbeitDlg));
    game.ArbeitDlg.Edit1Text = "2";
    const int before = s.day;
    game.ArbeitDlg.takeJob();
    EXPECT_EQ(s.day - before, 2 * MinutesPerDay);
    EXPECT_GT(s.yen, 200000);

    game.CapitalDlg.openShop();  // the shop: a map
    ASSERT_TRUE(ui.isOpen(WindowId::KaimonoDlg));
    game.KaimonoDlg.KaimonoButtonClick(1);
    game.KaimonoDlg.OKBtnClick();
    EXPECT_TRUE(s.HaveMap);
    game.CapitalDlg.openShop();  // once a stay
    EXPECT_EQ(ui.said.back(), tr(capital_texts::AlreadyShopped));

    game.CapitalDlg.openTelegramOffice();  // no telegram home from home
    EXPECT_EQ(ui.said.back(), tr(capital_texts::TelegramsAbroadOnly));
    EXPECT_FALSE(game.CapitalDlg.speedButton(12).Enabled) << "no Japanese embassy in Japan";

    game.CapitalDlg.toggleEmbassies();  // the embassies: Korea
    game.CapitalDlg.chooseDestination(1);
    game.CapitalDlg.obtainVisa();
    EXPECT_FALSE(game.state.visaToGet);
    leave();
    EXPECT_EQ(lastLine(), "　　東京を出発。");

    // Over the sea into Korea, and on to Seoul.
    const std::uint8_t korea = s.leg.PN;
    walk(wayTo([&](Cell c) { return game.world.cell(c.x, c.y) == korea; }));
    EXPECT_EQ(s.leg.PP, korea);
    EXPECT_TRUE(diaryHas("　　韓国に入国。"));
    arriveIn("大韓民国首都ソウル");

    game.CapitalDlg.openPawnShop();  // the pawn shop takes the map back
    ASSERT_TRUE(ui.isOpen(WindowId::SitiyaDlg));
    game.SitiyaDlg.SitiyaButtonClick(1);
    const int beforePawn = s.yen;
    game.SitiyaDlg.OKBtnClick();
    EXPECT_FALSE(s.HaveMap);
    EXPECT_GT(s.yen, beforePawn);

    game.CapitalDlg.openTelegramOffice();  // a telegram home, once a stay
    ASSERT_TRUE(ui.isOpen(WindowId::DenpoDlg));
    game.DenpoDlg.DenpoButtonClick(2);
    game.DenpoDlg.OKBtnClick();
    ASSERT_TRUE(ui.isOpen(WindowId::SosinDlg));
    game.SosinDlg.SosinButtonClick(1);
    game.SosinDlg.OKBtnClick();
    EXPECT_EQ(lastLine(), "　　実家に電報を打った。");
    EXPECT_TRUE(s.sosin1);
    game.CapitalDlg.openTelegramOffice();
    game.DenpoDlg.DenpoButtonClick(2);
    game.DenpoDlg.OKBtnClick();
    EXPECT_TRUE(ui.isOpen(WindowId::SosindDlg));

    game.CapitalDlg.visitJapaneseEmbassy();  // the Japanese embassy greets the hiker
    EXPECT_EQ(ui.said.back(), tr(capital_texts::Greeting));
    EXPECT_EQ(lastLine(), fill(tr(capital_texts::GreetingLine), "虹子"));

    game.CapitalDlg.toggleEmbassies();  // China's visa, then save
    game.CapitalDlg.chooseDestination(1);
    game.CapitalDlg.obtainVisa();
    game.CapitalDlg.saveGameHere();
    ASSERT_EQ(ui.said.back(), tr(SavedMessage));
    const GameState saved = s;
    const std::vector<std::string> savedDiary(game.diary.lines().begin(), game.diary.lines().end());
    const std::vector<TrailCell> savedTrail(game.trail.cells().begin(), game.trail.cells().end());

    // On towards China, then back to the save.
    leave();
    walk(wayTo([&](Cell c) { return std::abs(c.x - 223) + std::abs(c.y - 127) == 4; }));
    ASSERT_NE(s.day, saved.day);
    game.HelpDlg.loadSavedGame();
    EXPECT_TRUE(ui.isOpen(WindowId::CapitalDlg));
    EXPECT_EQ(game.state.toshi, "大韓民国首都ソウル");
    EXPECT_EQ(s.leg, saved.leg);
    EXPECT_EQ(hiker(), (Cell{223, 127}));
    EXPECT_EQ(s.yen, saved.yen);
    EXPECT_EQ(s.day, saved.day);
    EXPECT_EQ(s.dd, saved.dd);
    EXPECT_EQ(s.sosin1, saved.sosin1);
    EXPECT_TRUE(std::ranges::equal(game.diary.lines(), savedDiary));
    EXPECT_TRUE(std::ranges::equal(game.trail.cells(), savedTrail));
    leave();
    EXPECT_EQ(lastLine(), "　　ソウルを出発。");
    EXPECT_EQ(s.leg, saved.leg);
}

}  // namespace
}  // namespace korvalin::testing

// A loaded game stands where it was saved: on the saved road, in the saved
// city, as if it had just arrived there, whatever the running game did
// before the load.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "save/diary_file.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/game_in_folder.h"
#include "support/temp_dir.h"
#include "world/city_table.h"

namespace korvalin {
namespace {

constexpr std::string_view Seoul = "大韓民国首都ソウル";
constexpr std::string_view Tokyo = "日本国首都東京";

class ResumeTest : public ::testing::Test, protected testing::GameInFolder {
protected:
    ResumeTest()
    {
        game.world.build();
        game.HelpDlg.FormCreate();
        s.mNow = "97/12/20";
        s.Start = false;
        s.yen = 100000;
    }

    // The journey's arrival: the screen opens while the hiker stands beside
    // the city, and the step then ends on its cell.
    void arriveIn(std::string_view caption)
    {
        const CityRow& city = *findCity(caption);
        standOn(city.x, city.y + 1);
        ASSERT_EQ(cityAt(s.hikerX(), s.hikerY()), &city);
        s.capitalf = isCapitalRow(city);
        game.CapitalDlg.FormShow();
        standOn(city.x, city.y);
    }

    void standOn(int x, int y)
    {
        s.MapX = static_cast<std::uint8_t>(x - 15);
        s.MapY = static_cast<std::uint8_t>(y - 14);
    }

    // Loads, and shows the capital screen as the window does.
    void load()
    {
        game.loadSavedGame(files);
        game.CapitalDlg.FormShow();
    }
};

// Saved in Seoul with China's visa, loaded after the running game went on
// to Tokyo and chose Korea there.
TEST_F(ResumeTest, ALoadTakesTheSavedRoadAndLeavesFromTheSavedCity)
{
    arriveIn(Seoul);
    game.CapitalDlg.chooseDestination(1);
    game.CapitalDlg.obtainVisa();
    ASSERT_FALSE(game.state.visaToGet);
    saveGame(game, files);
    const LegCodes saved = s.leg;
    const int savedDd = s.dd;

    game.CapitalDlg.OKBtnClick();
    game.Travel.Label3.clear();
    s.MoveDir = Direction::East;
    s.ScrollX = 20;
    arriveIn(Tokyo);
    game.CapitalDlg.chooseDestination(1);
    ASSERT_NE(s.leg.PN, saved.PN);

    load();
    EXPECT_EQ(s.leg, saved);
    EXPECT_EQ(game.state.toshi, Seoul);
    EXPECT_EQ(game.state.destination, 1);
    EXPECT_EQ(
        std::ranges::count_if(game.CapitalDlg.RadioButtons, &CapitalDlg::RadioButton::Visible), 1);
    EXPECT_EQ(s.dd, savedDd) << "no second arrival";
    EXPECT_EQ(game.Travel.Label3.Caption, "徒歩");
    EXPECT_EQ(s.MoveDir, Direction::None);
    EXPECT_EQ(s.ScrollX, 16);

    game.CapitalDlg.OKBtnClick();
    EXPECT_EQ(game.diary.get(s.dd), "　　ソウルを出発。");
    EXPECT_EQ(s.leg, saved);
}

// A visa voided after the load (a crossing resets it) is left without on
// the saved road, not on a road of the running game's.
TEST_F(ResumeTest, LeavingWithoutTheVisaAfterALoadKeepsTheSavedRoad)
{
    arriveIn(Seoul);
    game.CapitalDlg.chooseDestination(1);
    game.CapitalDlg.obtainVisa();
    saveGame(game, files);
    const LegCodes saved = s.leg;
    arriveIn(Tokyo);

    load();
    game.state.voidVisa();
    game.CapitalDlg.OKBtnClick();
    ASSERT_EQ(ui.count("close", "TCapitalDlg"), 1);
    EXPECT_EQ(s.leg, saved);
}

// A plain city has no embassies: loaded over a capital's stay, its screen
// offers none.
TEST_F(ResumeTest, ALoadInAPlainCityOffersNoEmbassy)
{
    arriveIn("日本国　大阪");
    saveGame(game, files);
    arriveIn(Seoul);
    load();
    EXPECT_FALSE(s.capitalf);
    EXPECT_FALSE(game.CapitalDlg.speedButton(11).Enabled);
    EXPECT_TRUE(
        std::ranges::none_of(game.CapitalDlg.RadioButtons, &CapitalDlg::RadioButton::Visible));
}

// A save from before the game kept its own diary resumes with Nikki.txt,
// but only with the lines written up to that save.
TEST_F(ResumeTest, AnOlderSaveResumesTheDiaryOnlyUpToItsLastLine)
{
    arriveIn(Seoul);
    game.CapitalDlg.chooseDestination(1);
    game.CapitalDlg.obtainVisa();
    saveGame(game, files);
    const std::vector<std::string> saved(game.diary.lines().begin(), game.diary.lines().end());
    std::filesystem::remove(dir / "korvalin.nikki");
    game.CapitalDlg.OKBtnClick();
    game.appendDiaryLine("　　中国に入国。");
    ASSERT_TRUE(saveDiaryFile(files.diary, game.diary.lines()));

    load();
    EXPECT_TRUE(std::ranges::equal(game.diary.lines(), saved));
}

// A text the file cannot hold on one line refuses the save, says which, and
// leaves the save that was there.
TEST_F(ResumeTest, ANameThatWouldBreakItsLineRefusesTheSaveAndKeepsTheOldOne)
{
    arriveIn(Seoul);
    game.CapitalDlg.chooseDestination(1);
    game.CapitalDlg.obtainVisa();
    saveGame(game, files);
    const std::string before = testing::readBytes(files.ini);
    for (const char* name : {"虹\n子", "虹\r子"}) {
        s.Namae = name;
        ui.calls.clear();
        saveGame(game, files);
        EXPECT_EQ(testing::readBytes(files.ini), before);
        ASSERT_EQ(ui.count("warning"), 1);
        EXPECT_NE(ui.calls.back().detail.find("「Namae」"), std::string::npos)
            << ui.calls.back().detail;
    }
}

}  // namespace
}  // namespace korvalin

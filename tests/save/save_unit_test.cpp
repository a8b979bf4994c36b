// The saved game as one unit: a save stopped between its renames is
// finished before the next load, and the temporary files saves leave behind
// are cleared away, and nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "game/game.h"
#include "save/saved_game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

namespace fs = std::filesystem;

class SaveUnitTest : public ::testing::Test {
protected:
    SaveUnitTest()
    {
        game.CapitalDlg.Caption = "大韓民国首都ソウル";
        game.CapitalDlg.Button7Visible = false;
    }

    std::set<std::string> folderNames() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    testing::TempDir dir;
    SaveFiles files{dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
};

// A folder standing where the diary goes stops the save after the INI file
// is in place, as a kill between the renames would.
TEST_F(SaveUnitTest, ASaveStoppedBetweenItsRenamesIsFinishedByTheNextLoad)
{
    game.state.Namae = "甲";
    game.appendDiaryLine("　　甲の日記。");
    saveGame(game, files);
    fs::remove(files.diary);
    fs::create_directories(files.diary / "in the way");
    game.state.Namae = "乙";
    game.appendDiaryLine("　　乙の日記。");
    saveGame(game, files);
    EXPECT_EQ(ui.count("warning"), 1);

    fs::remove_all(files.diary);
    testing::FakeUi loadUi;
    Game loaded{loadUi, clock};
    loadGame(loaded, files);
    EXPECT_EQ(loadUi.count("show", "TCapitalDlg"), 1);
    EXPECT_EQ(loaded.state.Namae, "乙");
    EXPECT_EQ(loaded.diary.get(loaded.state.dd), "　　乙の日記。");
    EXPECT_EQ(folderNames(), (std::set<std::string>{"korvalin.ini", "Nikki.txt", "Kiseki.txt"}));
}

TEST_F(SaveUnitTest, TheStartAndEverySaveClearOnlyTheTemporaryFilesTheGameMakes)
{
    const std::set<std::string> others = {"Nikki.txt.bak", "korvalin.ini.1234567",
                                          "other.txt.AbCdEf", "korvalin.ini.ab-cd_"};
    const auto leaveBehind = [&] {
        for (const std::string& name : others)
            testing::writeBytes(dir / name, "");
        for (const char* name :
             {"korvalin.ini.a1B2c3", "Nikki.txt.ZZZZZZ", "Kiseki.txt.x9Y8z7",
              "korvalin.journal.q1w2e3"})
            testing::writeBytes(dir / name, "left by a kill");
    };
    leaveBehind();
    settleSavedGame(files);
    EXPECT_EQ(folderNames(), others);

    leaveBehind();
    saveGame(game, files);
    std::set<std::string> afterSave = others;
    afterSave.insert({"korvalin.ini", "Nikki.txt", "Kiseki.txt"});
    EXPECT_EQ(folderNames(), afterSave);
}

}  // namespace
}  // namespace korvalin

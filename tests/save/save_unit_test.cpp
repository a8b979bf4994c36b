// The saved game as one unit: a save stopped between its renames is
// finished before the next load, wherever the folder has gone meanwhile;
// the temporary files saves leave behind are cleared away, and nothing
// else; and one copy of the game at a time reads or writes the folder.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "save/diary_file.h"
#include "save/folder_lock.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

SaveFiles filesIn(const fs::path& folder)
{
    return {folder / "korvalin.ini", folder / "Nikki.txt", folder / "Kiseki.txt"};
}

class SaveUnitTest : public ::testing::Test {
protected:
    SaveUnitTest()
    {
        game.CapitalDlg.Caption = "大韓民国首都ソウル";
        game.CapitalDlg.Button7Visible = false;
    }

    // Saves 甲, then 乙 with a folder standing where the diary goes: the
    // save stops after its INI file is in place, as a kill between the
    // renames would, and leaves its journal.
    void saveStoppedBetweenRenames()
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
    }

    void expectLoadsOtsu(const SaveFiles& from)
    {
        testing::FakeUi loadUi;
        Game loaded{loadUi, clock};
        loadGame(loaded, from);
        EXPECT_EQ(loadUi.count("show", "TCapitalDlg"), 1);
        EXPECT_EQ(loaded.state.Namae, "乙");
        EXPECT_EQ(loaded.diary.get(loaded.state.dd), "　　乙の日記。");
    }

    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    testing::TempDir dir;
    SaveFiles files = filesIn(dir.path());
    const std::set<std::string> unitNames = {"korvalin.ini", "korvalin.nikki", "Nikki.txt",
                                             "Kiseki.txt"};
};

// While the rename is still blocked a load refuses and changes nothing.
TEST_F(SaveUnitTest, ASaveStoppedBetweenItsRenamesIsFinishedByTheNextLoad)
{
    saveStoppedBetweenRenames();
    testing::FakeUi blockedUi;
    Game blocked{blockedUi, clock};
    loadGame(blocked, files);
    EXPECT_EQ(blockedUi.count("warning"), 1);
    EXPECT_EQ(blocked.state.Namae, "");
    EXPECT_TRUE(fs::exists(dir / "korvalin.journal"));

    fs::remove_all(files.diary);
    expectLoadsOtsu(files);
    EXPECT_EQ(namesIn(dir.path()), unitNames);
}

// A copy on a stick killed while saving, and started again from another
// place: its journal still names the files beside it.
TEST_F(SaveUnitTest, TheJournalNamesItsFilesByNameSoAMovedFolderFinishesItsSave)
{
    saveStoppedBetweenRenames();
    fs::remove_all(files.diary);
    testing::TempDir elsewhere;
    fs::rename(dir.path(), elsewhere / "stick");
    expectLoadsOtsu(filesIn(elsewhere / "stick"));

    // A temporary outside its folder is never the journal's to rename.
    fs::create_directories(dir.path());
    writeBytes(dir / "korvalin.ini", "[State]\r\nPP=14\r\n");
    const fs::path outside = elsewhere / "korvalin.ini.AbC123";
    writeBytes(outside, "[State]\r\n");
    for (const std::string& named : {outside.string(), "../" + outside.filename().string()}) {
        writeBytes(dir / "korvalin.journal", "Korvalin save journal\n" + named + "\nend\n");
        settleSavedGame(files);
        EXPECT_EQ(readBytes(dir / "korvalin.ini"), "[State]\r\nPP=14\r\n") << named;
        EXPECT_TRUE(fs::exists(outside)) << named;
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"korvalin.ini"}) << named;
    }
}

// A journal naming a link, a pipe or a folder is not one the game wrote.
TEST_F(SaveUnitTest, TheSettleRenamesRegularFilesOnly)
{
    writeBytes(files.ini, "[State]\r\nPP=14\r\n");
    writeBytes(dir / "letter.txt", "not a save");
    fs::create_symlink(dir / "letter.txt", dir / "korvalin.ini.AbC123");
    writeBytes(dir / "korvalin.journal", "Korvalin save journal\nkorvalin.ini.AbC123\nend\n");
    settleSavedGame(files);
    EXPECT_FALSE(fs::is_symlink(files.ini));
    EXPECT_EQ(readBytes(files.ini), "[State]\r\nPP=14\r\n");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"korvalin.ini", "letter.txt"}));
}

TEST_F(SaveUnitTest, TheStartAndEverySaveClearOnlyTheTemporaryFilesTheGameMakes)
{
    const std::set<std::string> others = {"Nikki.txt.bak", "korvalin.ini.1234567",
                                          "other.txt.AbCdEf", "korvalin.ini.ab-cd_"};
    const auto leaveBehind = [&] {
        for (const std::string& name : others)
            writeBytes(dir / name, "");
        for (const char* name : {"korvalin.ini.a1B2c3", "Nikki.txt.ZZZZZZ", "Kiseki.txt.x9Y8z7",
                                 "korvalin.nikki.Qq1234", "korvalin.journal.q1w2e3"})
            writeBytes(dir / name, "left by a kill");
    };
    leaveBehind();
    settleSavedGame(files);
    EXPECT_EQ(namesIn(dir.path()), others);

    leaveBehind();
    saveGame(game, files);
    std::set<std::string> afterSave = others;
    afterSave.insert(unitNames.begin(), unitNames.end());
    EXPECT_EQ(namesIn(dir.path()), afterSave);
}

// Another copy of the game, as a process that holds `folder` until killed.
class OtherCopy {
public:
    explicit OtherCopy(const fs::path& folder)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            const std::optional<FolderLock> lock = FolderLock::take(folder);
            const bool held = lock.has_value();
            [[maybe_unused]] const ssize_t told = write(ready[1], &held, 1);
            pause();
        }
        if (read(ready[0], &holds_, 1) != 1)
            holds_ = false;
        close(ready[0]);
        close(ready[1]);
    }
    ~OtherCopy() { kill(); }

    void kill()
    {
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0)
            waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    bool holds() const { return holds_; }

private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

// Meanwhile no save, diary or load goes through, and each says so.
TEST_F(SaveUnitTest, WhileAnotherCopyHoldsTheFolderNothingIsSavedOrLoadedUntilItIsKilled)
{
    game.state.Namae = "甲";
    saveGame(game, files);
    const std::string saved = readBytes(files.ini);
    OtherCopy other(dir.path());
    ASSERT_TRUE(other.holds());

    ui.calls.clear();
    game.state.Namae = "乙";
    saveGame(game, files);
    const std::string inUse = "もう一つのゲームが「" + dir.path().string() + "」を使っているため、";
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what + ui.calls[0].detail, "warning" + inUse + "保存できませんでした。");
    EXPECT_EQ(saveDiaryFile(files.diary, game.diary.lines()).message(),
              inUse + "保存できませんでした。");
    testing::FakeUi loadUi;
    Game loaded{loadUi, clock};
    loadGame(loaded, files);
    ASSERT_EQ(loadUi.calls.size(), 1u);
    EXPECT_TRUE(loadUi.calls[0].detail.starts_with(inUse + "読み込めませんでした。"));
    EXPECT_EQ(readBytes(files.ini), saved);

    other.kill();
    saveGame(game, files);
    EXPECT_EQ(ui.calls.back().detail, SavedMessage);
    EXPECT_NE(readBytes(files.ini), saved);
}

}  // namespace
}  // namespace korvalin

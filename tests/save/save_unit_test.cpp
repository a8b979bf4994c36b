// The saved game as one unit: a save stopped between its renames is
// finished before the next load, wherever the folder has gone meanwhile;
// the temporary files saves leave behind are cleared away, and nothing
// else; and one copy of the game at a time reads or writes the folder.
// Windows keeps no pipes or sockets among its files, and MinGW's library
// makes no links: there the tests put only folders and files in the way.
#ifndef _WIN32
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
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
        game.state.toshi = "大韓民国首都ソウル";
        game.state.visaToGet = false;
    }

    // Saves 甲, then leaves what a save of 乙 killed after its first rename
    // leaves: 乙's INI file in place, its other files still temporary and
    // the journal naming them all; then a folder stands where the diary
    // goes, so that the journal's renames are blocked until it is removed.
    void saveStoppedBetweenRenames(
        const std::function<std::string(const std::string&)>& temporaryOf =
            [](const std::string& name) { return "." + name + ".korvalin-tmp-a1B2c3"; })
    {
        game.state.Namae = "甲";
        game.appendDiaryLine("　　甲の日記。");
        saveGame(game, files);
        testing::TempDir other;
        game.state.Namae = "乙";
        game.appendDiaryLine("　　乙の日記。");
        saveGame(game, filesIn(other.path()));
        std::string journal = "Korvalin save journal\n";
        for (const std::string& name : unitNames) {
            const std::string temporary = temporaryOf(name);
            // MinGW's library refuses to copy over a file, whatever it is told.
            const fs::path copy = dir / (name == "korvalin.ini" ? name : temporary);
            fs::remove(copy);
            fs::copy_file(other / name, copy);
            journal += temporary + "\n";
        }
        writeBytes(dir / "korvalin.journal", journal + "end\n");
        fs::remove(files.diary);
        fs::create_directories(files.diary / "in the way");
    }

    void expectLoadsOtsu(const SaveFiles& from)
    {
        testing::FakeUi loadUi;
        Game loaded{loadUi, clock};
        loaded.loadSavedGame(from);
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

// A folder the player named in Japanese: Windows reaches it by its wide name.
TEST_F(SaveUnitTest, AGameSavesAndLoadsInAFolderNamedInJapanese)
{
    const fs::path folder = dir.path() / u8"虹子の旅";
    fs::create_directories(folder);
    game.state.Namae = "乙";
    game.appendDiaryLine("　　乙の日記。");
    saveGame(game, filesIn(folder));
    EXPECT_EQ(ui.calls.back().detail, SavedMessage);
    expectLoadsOtsu(filesIn(folder));
    EXPECT_EQ(namesIn(folder), unitNames);
}

// While the rename is still blocked a load refuses and changes nothing.
TEST_F(SaveUnitTest, ASaveStoppedBetweenItsRenamesIsFinishedByTheNextLoad)
{
    saveStoppedBetweenRenames();
    testing::FakeUi blockedUi;
    Game blocked{blockedUi, clock};
    blocked.loadSavedGame(files);
    EXPECT_EQ(blockedUi.count("warning"), 1);
    EXPECT_EQ(blocked.state.Namae, "");
    EXPECT_TRUE(fs::exists(dir / "korvalin.journal"));

    fs::remove_all(files.diary);
    expectLoadsOtsu(files);
    EXPECT_EQ(namesIn(dir.path()), unitNames);
}

// Earlier versions named their temporaries "<file>.XXXXXX": the journal
// such a version left is finished all the same.
TEST_F(SaveUnitTest, ASaveAnEarlierVersionStoppedBetweenItsRenamesIsFinished)
{
    saveStoppedBetweenRenames([](const std::string& name) { return name + ".a1B2c3"; });
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
    const fs::path outside = elsewhere / ".korvalin.ini.korvalin-tmp-AbC123";
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
#ifdef _WIN32
    GTEST_SKIP() << "MinGW's library makes no links";
#endif
    writeBytes(files.ini, "[State]\r\nPP=14\r\n");
    writeBytes(dir / "letter.txt", "not a save");
    fs::create_symlink(dir / "letter.txt", dir / ".korvalin.ini.korvalin-tmp-AbC123");
    writeBytes(dir / "korvalin.journal",
               "Korvalin save journal\n.korvalin.ini.korvalin-tmp-AbC123\nend\n");
    settleSavedGame(files);
    EXPECT_FALSE(fs::is_symlink(files.ini));
    EXPECT_EQ(readBytes(files.ini), "[State]\r\nPP=14\r\n");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"korvalin.ini", "letter.txt"}));
}

// A player's own copies beside the save look like temporaries to a game
// that only counts letters; the game's own temporaries carry its mark.
TEST_F(SaveUnitTest, TheStartEverySaveAndLoadClearOnlyTheTemporaryFilesTheGameMakes)
{
    const std::set<std::string> players = {"Nikki.txt.backup",
                                           "Nikki.txt.london",
                                           "korvalin.ini.971220",
                                           "Kiseki.txt.before",
                                           "korvalin.ini.a1B2c3",
                                           "korvalin.nikki.Qq1234",
                                           "korvalin.journal.q1w2e3",
                                           ".Nikki.txt.korvalin-tmp-abc",
                                           ".other.txt.korvalin-tmp-AbCdEf",
                                           ".korvalin.ini.korvalin-tmp-ab-cd_"};
    const auto leaveBehind = [&] {
        for (const std::string& name : players)
            writeBytes(dir / name, "the player's");
        for (const char* name :
             {".korvalin.ini.korvalin-tmp-a1B2c3", ".Nikki.txt.korvalin-tmp-ZZZZZZ",
              ".Kiseki.txt.korvalin-tmp-x9Y8z7", ".korvalin.nikki.korvalin-tmp-Qq1234",
              ".korvalin.journal.korvalin-tmp-q1w2e3"})
            writeBytes(dir / name, "left by a kill");
    };
    const std::function<void()> steps[] = {
        [&] { settleSavedGame(files); },
        [&] { saveGame(game, files); },
        [&] {
            testing::FakeUi loadUi;
            Game loaded{loadUi, clock};
            loaded.loadSavedGame(files);
            EXPECT_EQ(loadUi.count("show", "TCapitalDlg"), 1);
        },
    };
    for (const auto& step : steps) {
        leaveBehind();
        step();
        std::set<std::string> left;
        for (const std::string& name : namesIn(dir.path())) {
            if (!unitNames.contains(name)) {
                left.insert(name);
                EXPECT_EQ(readBytes(dir / name), "the player's") << name;
            }
        }
        EXPECT_EQ(left, players);
    }
}

// A folder, a pipe or a link where a file of the save goes: the save is
// refused before any file changes, and the old save still loads.
TEST_F(SaveUnitTest, ASaveRefusedForWhatStandsInAFilesPlaceChangesNothing)
{
    game.state.Namae = "甲";
    game.appendDiaryLine("　　甲の日記。");
    saveGame(game, files);
    game.state.Namae = "乙";
    game.appendDiaryLine("　　乙の日記。");
    const std::function<void(const fs::path&)> obstacles[] = {
        [](const fs::path& path) { fs::create_directories(path / "in the way"); },
#ifndef _WIN32
        [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); },
        [&](const fs::path& path) { fs::create_symlink(dir / "letter.txt", path); },
#endif
    };
    for (const char* name : {"Nikki.txt", "korvalin.nikki", "Kiseki.txt"}) {
        for (const auto& putInTheWay : obstacles) {
            std::map<std::string, std::string> before;
            for (const std::string& file : unitNames)
                before[file] = readBytes(dir / file);
            fs::rename(dir / name, dir / "kept");
            putInTheWay(dir / name);
            ui.calls.clear();
            saveGame(game, files);
            ASSERT_EQ(ui.calls.size(), 1u) << name;
            EXPECT_EQ(
                ui.calls[0].what + ": " + ui.calls[0].detail,
                "warning: 「" + (dir / name).string() +
                    "」は普通のファイルではないため、書き込めませんでした。何も保存していません。");
            EXPECT_FALSE(fs::exists(dir / "korvalin.journal")) << name;
            fs::remove_all(dir / name);
            fs::rename(dir / "kept", dir / name);
            for (const std::string& file : unitNames)
                EXPECT_EQ(readBytes(dir / file), before[file]) << name << " " << file;
            testing::FakeUi loadUi;
            Game loaded{loadUi, clock};
            loaded.loadSavedGame(files);
            EXPECT_EQ(loaded.state.Namae, "甲") << name;
            EXPECT_EQ(namesIn(dir.path()), unitNames) << name;
        }
    }
}

// Only what the game wrote is ever removed: a pipe, a socket, a folder or a
// player's file at the journal's name stops saves and loads, which say why,
// and is left as it is.
TEST_F(SaveUnitTest, WhatTheGameDidNotWriteAtTheJournalsNameIsLeftAndNamed)
{
    game.state.Namae = "甲";
    saveGame(game, files);
    const fs::path journal = dir / "korvalin.journal";
    const std::function<void()> obstacles[] = {
        [&] { fs::create_directories(journal / "notes"); },
        [&] { writeBytes(journal, "my journey, day by day\n"); },
#ifndef _WIN32
        [&] { ASSERT_EQ(::mkfifo(journal.c_str(), 0644), 0); },
        [&] {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
            journal.string().copy(address.sun_path, sizeof address.sun_path - 1);
            ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(fd);
        },
        [&] { fs::create_symlink(files.ini, journal); },
#endif
    };
    const std::string refusal = "「" + journal.string() +
                                "」はこのゲームが書いたものではありません。取り除くまで、"
                                "ゲームの保存も読み込みもできません。";
    for (std::size_t i = 0; i < std::size(obstacles); ++i) {
        obstacles[i]();
        const fs::file_type type = fs::symlink_status(journal).type();
        game.state.Namae = "乙";
        ui.calls.clear();
        saveGame(game, files);
        ASSERT_EQ(ui.calls.size(), 1u) << i;
        EXPECT_EQ(ui.calls[0].detail, refusal) << i;
        testing::FakeUi loadUi;
        Game loaded{loadUi, clock};
        loaded.loadSavedGame(files);
        ASSERT_EQ(loadUi.calls.size(), 1u) << i;
        EXPECT_EQ(loadUi.calls[0].detail, refusal + "\nゲームは読み込む前のままです。") << i;
        EXPECT_EQ(fs::symlink_status(journal).type(), type) << i;

        fs::remove_all(journal);
        game.state.Namae = "甲";
        saveGame(game, files);
        EXPECT_EQ(ui.calls.back().detail, SavedMessage) << i;
    }
}

#ifdef _WIN32

// Another copy of the game, as a lock on `folder` taken apart from the
// game's until killed: the lock belongs to what opened it, not to the
// process, and a test cannot fork on Windows.
class OtherCopy {
public:
    explicit OtherCopy(const fs::path& folder) : lock_(FolderLock::take(folder)) {}

    void kill() { lock_.reset(); }
    bool holds() const { return lock_.has_value(); }

private:
    std::optional<FolderLock> lock_;
};

#else

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

#endif

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
    loaded.loadSavedGame(files);
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

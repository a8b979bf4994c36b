// Damaged and hand-edited save files: each loads what it can or is refused
// with a message, and the game it leaves is one the journey can run.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "save/cp932.h"
#include "save/saved_game.h"
#include "save/trail_file.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

const std::filesystem::path Damaged =
    std::filesystem::path(KORVALIN_TESTS_DIR) / "save" / "damaged";

// The outcome of loading `ini` beside a good diary: "loaded", or the
// warning shown.
std::string loadDamaged(const std::filesystem::path& ini, GameState* state = nullptr)
{
    testing::TempDir dir;
    testing::writeBytes(dir / "Nikki.txt",
                        "\r\n\x81\x40\x81\x40"
                        "end\r\n");
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.loadSavedGame({ini, dir / "Nikki.txt", dir / "Kiseki.txt"});
    if (state)
        *state = game.state;
    if (ui.count("show", "TCapitalDlg") == 1 && ui.calls.size() == 2)
        return "loaded";
    EXPECT_EQ(ui.calls.size(), 1u) << ini;
    return ui.calls.empty() ? "" : ui.calls.back().what + ": " + ui.calls.back().detail;
}

TEST(DamagedSaveTest, EachLoadsWithinTheJourneysRangesOrIsRefusedWithAMessage)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Damaged)) {
        if (entry.path().extension() != ".ini")
            continue;
        ++files;
        GameState s;
        const std::string outcome = loadDamaged(entry.path(), &s);
        if (outcome == "loaded") {
            EXPECT_GE(s.kk, 1) << entry.path();
            EXPECT_LE(s.kk, 128) << entry.path();
            EXPECT_GE(s.day, MinutesPerDay) << entry.path();
            EXPECT_GE(s.dd, 0) << entry.path();
            EXPECT_LE(s.dd, Diary::LineCount) << entry.path();
            EXPECT_LE(s.Namae.size(), 3 * 1023u) << entry.path();
        } else {
            EXPECT_TRUE(outcome.starts_with("warning: 保存ファイル")) << entry.path() << outcome;
        }
    }
    EXPECT_GE(files, 20);
}

// 1023 bytes come back, cut before the character that would not fit.
TEST(DamagedSaveTest, AnOverlongTextIsCutAtACharacter)
{
    GameState s;
    ASSERT_EQ(loadDamaged(Damaged / "huge_kanji_line.ini", &s), "loaded");
    std::string cut = "A";
    for (int i = 0; i < 511; ++i)
        cut += "日";
    EXPECT_EQ(s.Namae, cut);
}

TEST(DamagedSaveTest, AFileFarTooLargeForASaveIsRefused)
{
    testing::TempDir dir;
    testing::writeBytes(dir / "big.ini", "[State]\r\n" + std::string(2 << 20, ';'));
    EXPECT_NE(loadDamaged(dir / "big.ini").find("大きすぎます"), std::string::npos);
}

// A good save in a folder of its own, one of whose files is then taken
// away for something else.
class SaveInAFolder {
public:
    SaveInAFolder()
    {
        testing::writeBytes(files.ini,
                            "[State]\r\ntoshi=" + *toCp932("大韓民国首都ソウル") + "\r\n");
        testing::writeBytes(files.diary, "end\r\n");
    }

    std::string load()
    {
        ui.calls.clear();
        Game game{ui, clock};
        game.loadSavedGame(files);
        return ui.calls.empty() ? "" : ui.calls.back().what + ": " + ui.calls.back().detail;
    }

    testing::TempDir dir;
    SaveFiles files{dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
    testing::FakeUi ui;
    testing::FakeClock clock;
};

// A pipe or a device where a file should be is refused at once, never
// waited on or read without end; a trail in its place is dropped.
TEST(DamagedSaveTest, WhatIsNotARegularFileIsRefusedWithoutWaiting)
{
    for (const char* name : {"korvalin.ini", "Nikki.txt", "Kiseki.txt"}) {
        SaveInAFolder save;
        const std::filesystem::path path = save.dir / name;
        std::filesystem::remove(path);
#ifdef _WIN32
        // Windows keeps no pipes among its files; a folder stands in.
        std::filesystem::create_directory(path);
#else
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
#endif
        const std::string outcome = save.load();
        if (path == save.files.trail)
            EXPECT_EQ(outcome, "message: " + trailDroppedMessage(path));
        else
            EXPECT_NE(outcome.find("」は普通のファイルではないため読めません。"), std::string::npos)
                << outcome;
    }
#ifndef _WIN32
    SaveInAFolder save;
    std::filesystem::remove(save.files.diary);
    std::filesystem::create_symlink("/dev/zero", save.files.diary);
    EXPECT_EQ(save.load(), "warning: 日記ファイル「" + save.files.diary.string() +
                               "」は普通のファイルではないため読めません。\n"
                               "ゲームは読み込む前のままです。");
#endif
}

// Whole journeys write diaries of 14 to 18 KB.
TEST(DamagedSaveTest, ADiaryFarLargerThanAnyJourneyWritesIsRefused)
{
    SaveInAFolder save;
    testing::writeBytes(save.files.diary, std::string(20 << 20, '\n'));
    EXPECT_NE(save.load().find("」は日記ではありません（大きすぎます）。"), std::string::npos);
}

}  // namespace
}  // namespace korvalin

#include "save/diary_file.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/diary.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

using testing::readBytes;
using testing::writeBytes;

// The first lines of a started diary and their bytes as Windows writes them.
const std::vector<std::string> FirstDay = {
    "", "　　　虹子日記", "", "1日目　97/12/20 （日本）", "　　ﾊﾞｰｼﾞｮﾝ～", "end"};
const std::string FirstDayBytes =
    "\r\n"
    "\x81\x40\x81\x40\x81\x40\x93\xf8\x8e\x71\x93\xfa\x8b\x4c\r\n"
    "\r\n"
    "\x31\x93\xfa\x96\xda\x81\x40\x39\x37/12/20 \x81\x69\x93\xfa\x96\x7b\x81\x6a\r\n"
    "\x81\x40\x81\x40\xca\xde\xb0\xbc\xde\xae\xdd\x81\x60\r\n"
    "end\r\n";

// Loading the game reads the file's bytes and puts their lines into the store.
Result<> loadInto(const std::filesystem::path& file, Diary& diary)
{
    std::string bytes;
    if (const ReadFault fault = readDiaryBytes(file, bytes); fault != ReadFault::None)
        return Failure{diaryReadMessage(fault, file)};
    Result<std::vector<std::string>> lines = diaryFromBytes(file, bytes);
    if (!lines)
        return Failure{lines.message()};
    diary.replaceAll(*lines);
    return {};
}

class DiaryFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir.path().empty()); }

    testing::TempDir dir;
    std::filesystem::path file = dir / "Nikki.txt";
};

TEST_F(DiaryFileTest, LinesAreShiftJisEachEndedByCrLf)
{
    EXPECT_EQ(encodeDiaryLines(FirstDay), FirstDayBytes);
}

TEST_F(DiaryFileTest, TheWholeStoreIsWrittenLineForLine)
{
    Diary diary;
    ASSERT_TRUE(saveDiaryFile(file, diary.lines()));
    const std::string bytes = readBytes(file);
    // Line 0 empty, the two start-up lines, then 1497 empty lines.
    const std::string start =
        "\r\n\x31\x93\xfa\x96\xda\x81\x40\x81\x69\x93\xfa\x96\x7b\x81\x6a\r\n";
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1500);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
}

TEST_F(DiaryFileTest, ASavedDiaryLoadsBackUnchanged)
{
    Diary saved;
    int dd = 4;
    for (int i = 0; i < 40; ++i)
        saved.append(dd, "　　" + std::to_string(i) + "日目、ﾋｯﾁﾊｲｸ成功。", Diary::EndTrailer);
    saved.put(1499, "最後の行");
    ASSERT_TRUE(saveDiaryFile(file, saved.lines()));

    Diary loaded;
    ASSERT_TRUE(loadInto(file, loaded));
    EXPECT_EQ(loaded.lines(), saved.lines());
}

TEST_F(DiaryFileTest, SavingReplacesTheOldFileAndLeavesNoTemporaryFile)
{
    writeBytes(file, std::string(10000, 'x'));
    ASSERT_TRUE(saveDiaryFile(file, FirstDay));
    EXPECT_EQ(readBytes(file), FirstDayBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(DiaryFileTest, ALineShiftJisCannotHoldIsNamedAndTheOldFileKept)
{
    writeBytes(file, FirstDayBytes);
    std::vector<std::string> lines = FirstDay;
    lines[4] = "　　𠮷野家で食事";
    const auto result = saveDiaryFile(file, lines);
    ASSERT_FALSE(result);
    EXPECT_NE(result.message().find("5行目"), std::string::npos) << result.message();
    EXPECT_NE(result.message().find("Nikki.txt"), std::string::npos) << result.message();
    EXPECT_EQ(readBytes(file), FirstDayBytes);
}

TEST_F(DiaryFileTest, AFolderThatCannotBeWrittenIsReported)
{
    const auto result = saveDiaryFile(dir / "no such folder" / "Nikki.txt", FirstDay);
    ASSERT_FALSE(result);
    EXPECT_NE(result.message().find("書き込めませんでした"), std::string::npos) << result.message();
}

// A folder, a pipe or a link in the diary's place is the player's: the
// diary is not written over it, and the player is told why.
TEST_F(DiaryFileTest, WhatIsNotARegularFileInTheDiarysPlaceIsLeftAndNamed)
{
    writeBytes(dir / "letter.txt", "a letter");
    const std::function<void()> obstacles[] = {
        [&] { std::filesystem::create_directories(file / "in the way"); },
    // Windows keeps no pipes among its files, and MinGW's library makes no
    // links.
#ifndef _WIN32
        [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); },
        [&] { std::filesystem::create_symlink(dir / "letter.txt", file); },
#endif
    };
    for (const auto& putInTheWay : obstacles) {
        putInTheWay();
        const std::filesystem::file_type type = std::filesystem::symlink_status(file).type();
        EXPECT_EQ(
            saveDiaryFile(file, FirstDay).message(),
            "「" + file.string() +
                "」は普通のファイルではないため、書き込めませんでした。何も保存していません。");
        EXPECT_EQ(std::filesystem::symlink_status(file).type(), type);
        EXPECT_EQ(readBytes(dir / "letter.txt"), "a letter");
        std::filesystem::remove_all(file);
    }
}

struct LineEndCase {
    const char* name;
    std::string bytes;
};

class DiaryFileLineEnds : public DiaryFileTest,
                          public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(DiaryFileLineEnds, AreAllRead)
{
    writeBytes(file, GetParam().bytes);
    Diary diary;
    ASSERT_TRUE(loadInto(file, diary));
    EXPECT_EQ(diary.get(0), "");
    EXPECT_EQ(diary.get(1), "　　　虹子日記");
    EXPECT_EQ(diary.get(2), "end");
    EXPECT_EQ(diary.get(3), "");
}

INSTANTIATE_TEST_SUITE_P(
    DiaryFile, DiaryFileLineEnds,
    ::testing::Values(
        LineEndCase{"CrLf",
                    "\r\n\x81\x40\x81\x40\x81\x40\x93\xf8\x8e\x71\x93\xfa\x8b\x4c\r\nend\r\n"},
        LineEndCase{"Lf", "\n\x81\x40\x81\x40\x81\x40\x93\xf8\x8e\x71\x93\xfa\x8b\x4c\nend\n"},
        LineEndCase{"Cr", "\r\x81\x40\x81\x40\x81\x40\x93\xf8\x8e\x71\x93\xfa\x8b\x4c\rend\r"},
        LineEndCase{"NoEndOnTheLastLine",
                    "\r\n\x81\x40\x81\x40\x81\x40\x93\xf8\x8e\x71\x93\xfa\x8b\x4c\r\nend"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiaryFileTest, AFileOfMoreThan1500LinesFillsTheStoreAndNoMore)
{
    std::string bytes;
    for (int i = 0; i < 1600; ++i)
        bytes += std::to_string(i) + "\r\n";
    writeBytes(file, bytes);
    Diary diary;
    ASSERT_TRUE(loadInto(file, diary));
    EXPECT_EQ(diary.get(0), "0");
    EXPECT_EQ(diary.get(1499), "1499");
}

struct BrokenCase {
    const char* name;
    std::string bytes;
    const char* badLine;
};

class DiaryFileBroken : public DiaryFileTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(DiaryFileBroken, IsReportedAndChangesNothing)
{
    writeBytes(file, GetParam().bytes);
    Diary diary;
    diary.put(7, "　　これまでの日記");
    const auto before = diary.lines();
    int notified = 0;
    diary.setObserver([&](int, int) { ++notified; });

    const auto result = loadInto(file, diary);
    ASSERT_FALSE(result);
    EXPECT_NE(result.message().find("壊れています"), std::string::npos) << result.message();
    EXPECT_NE(result.message().find(GetParam().badLine), std::string::npos) << result.message();
    EXPECT_NE(result.message().find("Nikki.txt"), std::string::npos) << result.message();
    EXPECT_EQ(diary.lines(), before);
    EXPECT_EQ(notified, 0);
}

INSTANTIATE_TEST_SUITE_P(
    DiaryFile, DiaryFileBroken,
    ::testing::Values(BrokenCase{"TruncatedCharacter", "\r\nok\r\n\x93\r\n", "3行目"},
                      BrokenCase{"UndefinedByte", std::string("\xff\xfe\0A\r\n", 6), "1行目"},
                      BrokenCase{"BadSecondByte", "a\r\nb\r\nc\r\n\x81\x20\r\n", "4行目"},
                      BrokenCase{"Utf8Text", "\r\n\xe6\x97\xa5\xe8\xa8\x98\r\n", "2行目"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiaryFileTest, AMissingFileIsReportedAndChangesNothing)
{
    Diary diary;
    const auto before = diary.lines();
    const auto result = loadInto(file, diary);
    ASSERT_FALSE(result);
    EXPECT_NE(result.message().find("Nikki.txt"), std::string::npos) << result.message();
    EXPECT_EQ(diary.lines(), before);
}

}  // namespace
}  // namespace korvalin

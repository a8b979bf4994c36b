#include <gtest/gtest.h>

#include <vector>

#include "game/diary.h"

namespace korvalin {
namespace {

TEST(DiaryTest, StartsWithTheDepartureFromKanazawa)
{
    const Diary diary;
    EXPECT_EQ(diary.get(0), "");
    EXPECT_EQ(diary.get(1), "1日目　（日本）");
    EXPECT_EQ(diary.get(2), "　　金沢出発　　　");
    for (int i = 3; i < Diary::LineCount; ++i)
        ASSERT_EQ(diary.get(i), "") << "line " << i;
}

TEST(DiaryTest, AnAppendWritesTheNextLineAndItsTrailer)
{
    Diary diary;
    int dd = 4;
    diary.append(dd, "　　東京に到着。", Diary::EndTrailer);
    EXPECT_EQ(dd, 5);
    EXPECT_EQ(diary.get(5), "　　東京に到着。");
    EXPECT_EQ(diary.get(6), "end");
}

TEST(DiaryTest, TheNextEntryOverwritesANotesBlankTrailer)
{
    Diary diary;
    int dd = 4;
    diary.append(dd, "　　乗用車に便乗。", Diary::NoteTrailer);
    EXPECT_EQ(diary.get(6), " ");
    diary.append(dd, "　　韓国に入国。", Diary::EndTrailer);
    EXPECT_EQ(diary.get(5), "　　乗用車に便乗。");
    EXPECT_EQ(diary.get(6), "　　韓国に入国。");
    EXPECT_EQ(diary.get(7), "end");
}

TEST(DiaryTest, WritesOutsideTheStoreAreLostButTheCountGoesOn)
{
    Diary diary;
    int dd = 1498;
    diary.append(dd, "last", Diary::EndTrailer);
    EXPECT_EQ(diary.get(1499), "last");  // its trailer would be line 1500
    diary.append(dd, "lost", Diary::EndTrailer);
    EXPECT_EQ(dd, 1500);
    EXPECT_EQ(diary.get(1499), "last");
    diary.put(-1, "x");
    diary.put(1500, "x");
    EXPECT_EQ(diary.get(-1), "");
    EXPECT_EQ(diary.get(1500), "");
}

TEST(DiaryTest, ClearingForARestartEmptiesEverythingUpToTheTrailer)
{
    Diary diary;
    int dd = 4;
    diary.append(dd, "a", Diary::EndTrailer);
    diary.put(7, "beyond the trailer");
    diary.clearForRestart(dd);
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(diary.get(i), "") << "line " << i;
    EXPECT_EQ(diary.get(7), "beyond the trailer");
}

TEST(DiaryTest, ClearingNearTheEndStaysInsideTheStore)
{
    Diary diary;
    diary.put(1499, "x");
    diary.clearForRestart(1600);
    EXPECT_EQ(diary.get(1499), "");
}

TEST(DiaryTest, AnObserverSeesEveryChange)
{
    Diary diary;
    std::vector<std::pair<int, int>> seen;
    diary.setObserver([&](int first, int last) { seen.emplace_back(first, last); });
    int dd = 4;
    diary.append(dd, "a", Diary::EndTrailer);
    diary.clearForRestart(dd);
    const std::vector<std::pair<int, int>> expected{{5, 5}, {6, 6}, {0, 6}};
    EXPECT_EQ(seen, expected);
}

TEST(DiaryTest, ReplacingAllLinesPadsAndTruncatesToTheStoreSize)
{
    Diary diary;
    diary.replaceAll(std::vector<std::string>{"a", "b"});
    EXPECT_EQ(diary.get(0), "a");
    EXPECT_EQ(diary.get(1), "b");
    EXPECT_EQ(diary.get(2), "");
    diary.replaceAll(std::vector<std::string>(2000, "z"));
    EXPECT_EQ(diary.get(1499), "z");
}

}  // namespace
}  // namespace korvalin

#include <gtest/gtest.h>

#include "app/file_paths.h"

namespace korvalin {
namespace {

TEST(FilePathsTest, TheTileSheetAndDiaryComeFromTheWorkingDirectory)
{
    EXPECT_EQ(tileSheetPath("/home/player/trip"), "/home/player/trip/Map25.BMP");
    EXPECT_EQ(diaryPath("/home/player/trip"), "/home/player/trip/Nikki.txt");
}

TEST(FilePathsTest, TheSavedGameSitsBesideTheProgram)
{
    EXPECT_EQ(savedGamePath("/opt/korvalin/korvalin"), "/opt/korvalin/korvalin.ini");
    EXPECT_EQ(savedGamePath("C:/Games/Korvalin.exe"), "C:/Games/Korvalin.ini");
}

}  // namespace
}  // namespace korvalin

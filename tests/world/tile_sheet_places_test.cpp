#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "world/tile_sheet_places.h"

namespace korvalin {
namespace {

using testing::TempDir;
using testing::writeBytes;

TEST(FilePathsTest, TheTileSheetIsLookedForHereThenBesideTheProgramThenInItsDataFolder)
{
    const auto places = tileSheetPlaces("/home/player/trip", "/opt/korvalin/bin/korvalin");
    const std::vector<std::filesystem::path> expected{"/home/player/trip/Map25.BMP",
                                                      "/opt/korvalin/bin/Map25.BMP",
                                                      "/opt/korvalin/share/korvalin/Map25.BMP"};
    EXPECT_EQ(places, expected);

    TempDir dir;
    std::filesystem::create_directories(dir / "here");
    std::filesystem::create_directory(dir / "here/Map25.BMP");  // a folder is no sheet
    const std::vector<std::filesystem::path> tried{dir / "here/Map25.BMP", dir / "beside.BMP",
                                                   dir / "data.BMP"};
    EXPECT_EQ(firstTileSheet(tried), std::nullopt);
    writeBytes(dir / "data.BMP", "x");
    writeBytes(dir / "beside.BMP", "x");
    EXPECT_EQ(firstTileSheet(tried), dir / "beside.BMP");
}

}  // namespace
}  // namespace korvalin

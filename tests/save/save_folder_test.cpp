#include <stdlib.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "save/save_folder.h"
#include "save/saved_game.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

using testing::TempDir;
using testing::writeBytes;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = ::getenv(name))
            old_ = old;
        set(value);
    }
    ~ScopedEnv() { old_ ? set(*old_) : unset(); }

private:
#ifdef _WIN32
    void set(const std::string& value)
    {
        ::_putenv_s(name_, value.c_str());
    }
    void unset()
    {
        ::_putenv_s(name_, "");
    }
#else
    void set(const std::string& value)
    {
        ::setenv(name_, value.c_str(), 1);
    }
    void unset()
    {
        ::unsetenv(name_);
    }
#endif

    const char* name_;
    std::optional<std::string> old_;
};

#ifdef _WIN32

TEST(FilePathsTest, TheSavedGameGoesToLocalAppDataWhenTheProgramsFolderIsReadOnly)
{
    TempDir dir;
    EXPECT_EQ(savedGamePath(dir / "korvalin.exe"), dir / "korvalin.ini");

    // A folder that is not there stands in for one the player cannot write to.
    ScopedEnv localAppData("LOCALAPPDATA", (dir / "Local").string());
    EXPECT_EQ(savedGamePath(dir / "Program Files/Korvalin/korvalin.exe"),
              dir / "Local/Korvalin/korvalin.ini");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Local/Korvalin"));
}

#else

TEST(FilePathsTest, TheSavedGameGoesToTheUsersDataFolderWhenTheProgramsIsReadOnly)
{
    TempDir dir;
    EXPECT_EQ(savedGamePath(dir / "korvalin"), dir / "korvalin.ini");

    // Root may write to any folder, so a folder that is not there stands in
    // for a system folder the player cannot write to.
    const std::filesystem::path installed = dir / "usr/bin/korvalin";
    {
        ScopedEnv dataHome("XDG_DATA_HOME", (dir / "data").string());
        EXPECT_EQ(savedGamePath(installed), dir / "data/korvalin/korvalin.ini");
        EXPECT_TRUE(std::filesystem::is_directory(dir / "data/korvalin"));
    }
    ScopedEnv home("HOME", dir.path().string());
    ScopedEnv relative("XDG_DATA_HOME", "data");
    EXPECT_EQ(savedGamePath(installed), dir / ".local/share/korvalin/korvalin.ini");

    // An installed copy whose folder root can write still saves to the
    // user's data folder, never among the system's files.
    std::filesystem::create_directories(dir / "usr/games");
    std::filesystem::create_directories(dir / "usr/share/korvalin");
    writeBytes(dir / "usr/share/korvalin/Map25.BMP", "BM");
    EXPECT_EQ(savedGamePath(dir / "usr/games/korvalin"),
              dir / ".local/share/korvalin/korvalin.ini");
}

#endif

// A game saved from a terminal in one folder loads from the menu entry,
// which starts the program in another.
TEST(FilePathsTest, TheSavedGamesTwoFilesShareOneFolderWhereverTheGameIsStarted)
{
    const SaveFiles fromHere = defaultSaveFiles();
    TempDir elsewhere(TempDir::Enter::Yes);
    const SaveFiles fromElsewhere = defaultSaveFiles();
    EXPECT_EQ(fromElsewhere.diary, fromHere.diary);
    EXPECT_EQ(fromElsewhere.diary.parent_path(), fromElsewhere.ini.parent_path());
}

}  // namespace
}  // namespace korvalin

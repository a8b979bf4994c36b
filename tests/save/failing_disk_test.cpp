// A failing disk under a save: each system call of the file layer fails on
// demand as a full, dying or interrupted disk makes it fail. Every save
// either finishes or is refused with the old save whole, and the player is
// told which; nothing loops.
#include <gtest/gtest.h>

#ifdef _WIN32

// The failing calls go in through POSIX's system calls; Windows's file
// layer makes its own, which no test can fail on demand.
TEST(FailingDiskTest, EachSaveFinishesOrIsRefusedWithTheOldSaveWholeAndNothingLoops)
{
    GTEST_SKIP() << "the failing disk stands in for POSIX's system calls";
}

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "save/saved_game.h"
#include "save/posix/system_calls.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;

enum class Call { Open, Mkstemp, Fchmod, Write, Fsync, Close, Rename };

// What a failing write does instead of setting errno.
constexpr int WritesHalf = -1;
constexpr int WritesNothing = -2;
constexpr int Ever = 1 << 20;

// The calls `from` to `to` (counted from 1) of one kind fail with `error`.
struct Fault {
    Call call;
    int from;
    int to;
    int error;
};

// A loop that tries a write again for ever would hang the test: past this
// many writes the disk takes everything, and the save is seen to succeed.
constexpr int WritesBeforeTheDiskGivesIn = 1000;

struct Script {
    std::vector<Fault> faults;
    std::map<Call, int> made;
} script;

// The fault for this call of `call`'s kind, if any; counts the call.
const Fault* faultFor(Call call)
{
    const int n = ++script.made[call];
    if (call == Call::Write && n > WritesBeforeTheDiskGivesIn)
        return nullptr;
    for (const Fault& fault : script.faults) {
        if (fault.call == call && n >= fault.from && n <= fault.to) {
            errno = fault.error;
            return &fault;
        }
    }
    return nullptr;
}

ssize_t failingWrite(int fd, const void* bytes, std::size_t count)
{
    const Fault* fault = faultFor(Call::Write);
    if (!fault)
        return ::write(fd, bytes, count);
    if (fault->error == WritesNothing)
        return 0;
    if (fault->error == WritesHalf)
        return ::write(fd, bytes, count / 2 + 1);
    return -1;
}

// A close that fails has closed the file all the same.
int failingClose(int fd)
{
    const bool fails = faultFor(Call::Close);
    const int closed = ::close(fd);
    return fails ? -1 : closed;
}

const SystemCalls FailingCalls = {
    .open = [](const char* path,
               int flags) { return faultFor(Call::Open) ? -1 : ::open(path, flags); },
    .mkstemp = [](char* pattern) { return faultFor(Call::Mkstemp) ? -1 : ::mkstemp(pattern); },
    .fchmod = [](int fd, mode_t mode) { return faultFor(Call::Fchmod) ? -1 : ::fchmod(fd, mode); },
    .write = failingWrite,
    .fsync = [](int fd) { return faultFor(Call::Fsync) ? -1 : ::fsync(fd); },
    .close = failingClose,
    .rename = [](const char* from,
                 const char* to) { return faultFor(Call::Rename) ? -1 : ::rename(from, to); },
};

enum class Outcome { Saved, Refused, FinishedByTheNextLoad };

struct Case {
    const char* disk;
    std::vector<Fault> faults;
    Outcome outcome;
    const char* named;  // the file the message names
    bool firstSave = false;
};

// A save writes its four temporaries (INI, diary, the save's diary, trail),
// then the journal's (mkstemp 5, write 5, fsync 5, rename 1), syncs the
// folder (open 1, fsync 6) and renames the four into place (renames 2-5).
// clang-format off
const Case Cases[] = {
    {"a write interrupted by a signal", {{Call::Write, 1, 1, EINTR}}, Outcome::Saved, ""},
    {"every write cut short", {{Call::Write, 1, Ever, WritesHalf}}, Outcome::Saved, ""},
    {"a FAT stick, which keeps no modes", {{Call::Fchmod, 1, Ever, EPERM}}, Outcome::Saved, ""},
    {"a write that writes nothing", {{Call::Write, 1, Ever, WritesNothing}}, Outcome::Refused,
     "korvalin.ini"},
    {"a full disk under the diary", {{Call::Write, 2, Ever, ENOSPC}}, Outcome::Refused,
     "Nikki.txt"},
    {"a full disk after a short write", {{Call::Write, 1, 1, WritesHalf}, {Call::Write, 2, Ever, ENOSPC}},
     Outcome::Refused, "korvalin.ini"},
    {"a failing disk under the journal", {{Call::Write, 5, Ever, EIO}}, Outcome::Refused,
     "korvalin.journal"},
    {"no room for a temporary file", {{Call::Mkstemp, 1, Ever, ENOSPC}}, Outcome::Refused,
     "korvalin.ini"},
    {"no room for the journal", {{Call::Mkstemp, 5, Ever, ENOSPC}}, Outcome::Refused,
     "korvalin.journal"},
    {"a flush that fails", {{Call::Fsync, 3, Ever, EIO}}, Outcome::Refused, "korvalin.nikki"},
    {"a close that fails", {{Call::Close, 4, Ever, EIO}}, Outcome::Refused, "Kiseki.txt"},
    {"a folder that cannot be opened to flush", {{Call::Open, 1, Ever, EACCES}}, Outcome::Refused,
     "korvalin.journal"},
    {"a folder flush that fails", {{Call::Fsync, 6, 6, EIO}}, Outcome::Refused,
     "korvalin.journal"},
    {"a journal that cannot be put in place", {{Call::Rename, 1, 1, EIO}}, Outcome::Refused,
     "korvalin.journal"},
    {"a first rename that fails", {{Call::Rename, 2, 2, EIO}}, Outcome::Refused, "korvalin.ini"},
    {"a rename that fails after two", {{Call::Rename, 4, 4, EIO}}, Outcome::Refused,
     "korvalin.nikki"},
    {"a last rename that fails", {{Call::Rename, 5, 5, EIO}}, Outcome::Refused, "Kiseki.txt"},
    {"a first save whose second rename fails", {{Call::Rename, 3, 3, EIO}}, Outcome::Refused,
     "Nikki.txt", true},
    {"a rename that fails and no room to put the old files back",
     {{Call::Rename, 3, 3, EIO}, {Call::Mkstemp, 6, Ever, ENOSPC}},
     Outcome::FinishedByTheNextLoad, "Nikki.txt"},
};
// clang-format on

const std::set<std::string> UnitNames = {"korvalin.ini", "korvalin.nikki", "Nikki.txt",
                                         "Kiseki.txt"};

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::map<std::string, std::string> unitIn(const fs::path& folder)
{
    std::map<std::string, std::string> unit;
    for (const std::string& name : UnitNames)
        unit[name] = readBytes(folder / name);
    return unit;
}

std::string loadedName(const SaveFiles& files)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.loadSavedGame(files);
    return game.state.Namae;
}

TEST(FailingDiskTest, EachSaveFinishesOrIsRefusedWithTheOldSaveWholeAndNothingLoops)
{
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.disk);
        testing::TempDir dir;
        const SaveFiles files = {dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
        testing::FakeUi ui;
        testing::FakeClock clock;
        Game game{ui, clock};
        game.state.toshi = "大韓民国首都ソウル";
        game.state.visaToGet = false;
        game.state.Namae = "甲";
        game.appendDiaryLine("　　甲の日記。");
        if (!c.firstSave)
            saveGame(game, files);
        const std::set<std::string> oldNames = namesIn(dir.path());
        const std::map<std::string, std::string> old = unitIn(dir.path());

        // The new save is large enough that a cut-short write leaves much.
        game.state.Namae = "乙";
        for (int line = 0; line < 200; ++line)
            game.appendDiaryLine("　　乙の日記。");
        ui.calls.clear();
        script = {.faults = c.faults, .made = {}};
        {
            const SystemCallsInUse failing(FailingCalls);
            saveGame(game, files);
        }
        EXPECT_LE(script.made[Call::Write], WritesBeforeTheDiskGivesIn);
        ASSERT_EQ(ui.calls.size(), 1u);
        const std::string told = ui.calls[0].what + ": " + ui.calls[0].detail;
        // The new save as a sound disk writes it.
        testing::TempDir elsewhere;
        saveGame(game,
                 {elsewhere / "korvalin.ini", elsewhere / "Nikki.txt", elsewhere / "Kiseki.txt"});
        const std::map<std::string, std::string> saved = unitIn(elsewhere.path());
        const std::string quoted = "「" + (dir / c.named).string() + "」に書き込めませんでした。";
        switch (c.outcome) {
            case Outcome::Saved:
                EXPECT_EQ(told, "message: 保存しました");
                EXPECT_EQ(namesIn(dir.path()), UnitNames);
                break;
            case Outcome::Refused:
                EXPECT_EQ(told, "warning: " + quoted);
                EXPECT_EQ(namesIn(dir.path()), oldNames);
                break;
            case Outcome::FinishedByTheNextLoad:
                EXPECT_EQ(told, "warning: " + quoted +
                                    "保存は、次にゲームを始めるか読み込むときに仕上げます。");
                break;
        }
        const bool refused = c.outcome == Outcome::Refused;
        EXPECT_EQ(loadedName(files), !refused ? "乙" : c.firstSave ? "" : "甲");
        EXPECT_EQ(namesIn(dir.path()), refused ? oldNames : UnitNames);
        EXPECT_EQ(unitIn(dir.path()), refused ? old : saved);
    }
}

}  // namespace
}  // namespace korvalin

#endif

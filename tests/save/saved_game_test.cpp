// Saving and loading the game: the file's exact bytes, the load's value
// rules, and a save or load that fails leaving everything as it was.
#include "save/saved_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "journey/borders_and_arrivals.h"
#include "save/cp932.h"
#include "save/diary_file.h"
#include "save/folder_lock.h"
#include "save/trail_file.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/game_in_folder.h"
#include "support/in_english.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

using testing::readBytes;
using testing::writeBytes;

const std::filesystem::path Golden = std::filesystem::path(KORVALIN_TESTS_DIR) / "save" / "golden";

class SavedGameTest : public ::testing::Test, protected testing::GameInFolder {
protected:
    SavedGameTest() { game.HelpDlg.FormCreate(); }

    // A journey stopped in Seoul with its visa, on the diary map course.
    void playToSeoul(Game& g)
    {
        GameState& s = g.state;
        s.leg.PP = 9;
        s.leg.PPA = s.leg.PPB = 9;
        s.leg.PN = 11;
        s.leg.PNA = 48;
        s.leg.PNB = 64;
        s.leg.PS = 2;
        s.MapX = 200;
        s.MapY = 98;
        s.yen = 123456;
        s.aryen = 7000;
        s.day = 20 * MinutesPerDay + 75;
        s.dayp = 15000;
        s.dayold = 20;
        s.dd = 57;
        s.kk = 8;
        s.yokin = 0;
        s.mNow = "97/12/20";
        s.Namae = "ﾋｯﾁ虹子";
        s.Start = false;
        s.sould = s.HaveMap = s.Nikki = s.HaveHaramaki = s.sosin2 = s.buy = s.nyu = true;
        s.Level2 = true;
        s.capitalf = true;
        g.state.countryCaption = "大韓民国";
        g.state.toshi = "大韓民国首都ソウル";
        g.state.visaToGet = false;
        g.state.destination = 3;
        g.diary.put(57, "　　ソウルに到着。");
        g.diary.put(58, "end");
    }

    // The same journey come to Seoul's capital screen the way the game
    // brings it there, the status bar and the screen naming the place.
    void arriveInSeoul(Game& g)
    {
        playToSeoul(g);
        g.state.MapX = 223 - 15;  // on Seoul's north side
        g.state.MapY = 126 - 14;
        g.world.build();
        updateCountryCaption(g);
        g.CapitalDlg.FormShow();
    }

    // Loads the game saved in Seoul from an INI text (Shift-JIS bytes)
    // beside a diary.
    void loadFrom(const std::string& ini)
    {
        writeBytes(files.ini, "[State]\r\n" + ini + "toshi=" + *toCp932(Seoul) + "\r\n");
        writeBytes(files.diary, "\r\n\x81\x40\x81\x40\x81\x40\x93\xf8\x8b\x4c\r\n");
        game.loadSavedGame(files);
    }

    static constexpr std::string_view Seoul = "大韓民国首都ソウル";
};

TEST_F(SavedGameTest, TheFileHoldsEveryKeyInOrderInShiftJisWithCrLf)
{
    playToSeoul(game);
    saveGame(game, files);
    EXPECT_EQ(readBytes(files.ini), readBytes(Golden / "seoul.ini"));
    EXPECT_EQ(readBytes(files.diary), *encodeDiaryLines(game.diary.lines()));
    EXPECT_EQ(readBytes(dir / "korvalin.nikki"), readBytes(files.diary));
    EXPECT_EQ(ui.calls.back().detail, SavedMessage);
}

// The saved files are the player's to read, and everyone's; no one's to run.
TEST_F(SavedGameTest, TheSavedFilesAreReadableAndNeverExecutable)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no mode bits";
#endif
    namespace fs = std::filesystem;
    playToSeoul(game);
    saveGame(game, files);
    for (const fs::path& file : {files.ini, files.diary, files.trail, dir / "korvalin.nikki"}) {
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::others_read)
            << file;
    }
}

// Start and nyukoku are cleared and the visa button hidden by every load;
// everything else comes back as it was saved.
TEST_F(SavedGameTest, SavingALoadedGameWritesTheSameFile)
{
    playToSeoul(game);
    for (bool* flag : {&s.pekingd, &s.moscowd, &s.lostf, &s.HaveKutu, &s.HaveHuku, &s.HaveCard,
                       &s.HaveDall, &s.HaveUma, &s.HavePearl, &s.HaveRakuda, &s.HaveTubo,
                       &s.HaveLion, &s.sosin1, &s.jusin1, &s.jusin2, &s.Level1, &s.Level3})
        *flag = true;
    saveGame(game, files);
    const std::string saved = readBytes(files.ini);

    testing::FakeUi otherUi;
    Game loaded{otherUi, clock};
    loaded.loadSavedGame(files);
    saveGame(loaded, {dir / "again.ini", dir / "again.txt", dir / "again.kiseki"});
    EXPECT_EQ(readBytes(dir / "again.ini"), saved);
    EXPECT_EQ(readBytes(dir / "again.txt"), readBytes(files.diary));
}

TEST_F(SavedGameTest, ALoadResumesOnTheCapitalScreenOfTheSavedCity)
{
    Game saver{ui, clock};
    playToSeoul(saver);
    saveGame(saver, files);
    ui.calls.clear();

    game.saveFiles = files;
    game.HelpDlg.loadSavedGame();
    EXPECT_EQ(game.state.toshi, "大韓民国首都ソウル");
    EXPECT_EQ(game.diary.get(57), "　　ソウルに到着。");
    EXPECT_FALSE(s.Start);
    EXPECT_FALSE(s.TitlePending);
    EXPECT_EQ(game.HelpDlg.Label5Color, colors::Red);
    ASSERT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[0].what + " " + ui.calls[0].detail, "show TCapitalDlg");
    EXPECT_EQ(ui.calls[1].what + " " + ui.calls[1].detail, "close THelpDlg");
}

TEST_F(SavedGameTest, AZeroLeavesAFlagAsItIsAndAOneSetsIt)
{
    s.HaveMap = true;
    loadFrom("HaveMap=0\r\nHaveKutu=1\r\nHaveHuku=0\r\n");
    EXPECT_TRUE(s.HaveMap);
    EXPECT_TRUE(s.HaveKutu);
    EXPECT_FALSE(s.HaveHuku);
}

TEST_F(SavedGameTest, MinusOneKeepsAnInteger)
{
    loadFrom("MapX=-1\r\nyen=-1\r\n");
    EXPECT_EQ(s.MapX, 225);
    EXPECT_EQ(s.yen, 0);
}

TEST_F(SavedGameTest, ZeroXStartsAHexadecimalNumber)
{
    loadFrom("MapX=0x10\r\nMapY=0X6a\r\nyen=0x\r\n");
    EXPECT_EQ(s.MapX, 16);
    EXPECT_EQ(s.MapY, 106);
    EXPECT_EQ(s.yen, 0);
}

TEST_F(SavedGameTest, TextThatIsNotANumberKeepsTheField)
{
    s.yen = 500;
    loadFrom("yen=12a\r\nyokin=99999999999\r\nday=\r\n");
    EXPECT_EQ(s.yen, 500);
    EXPECT_EQ(s.yokin, 100000);
    EXPECT_EQ(s.day, MinutesPerDay);
}

TEST_F(SavedGameTest, AByteFieldTakesTheLowByte)
{
    loadFrom("PS=258\r\nPN=-2\r\n");
    EXPECT_EQ(s.leg.PS, 2);
    EXPECT_EQ(s.leg.PN, 254);
}

// A divisor of 0 would lose the passport on every tick; a negative clock or
// a diary index far past the store would break the journey's arithmetic.
TEST_F(SavedGameTest, LoadedValuesStayInsideTheJourneysRanges)
{
    loadFrom("kk=256\r\ndd=2147483647\r\nday=-5\r\ndayold=0\r\n");
    EXPECT_EQ(s.kk, 128);
    EXPECT_EQ(s.dd, Diary::LineCount);
    EXPECT_EQ(s.day, MinutesPerDay);
    EXPECT_EQ(s.dayold, 1);
    loadFrom("kk=0\r\n");
    EXPECT_EQ(s.kk, 1);
}

TEST_F(SavedGameTest, TheVisaButtonIsNeverReadBack)
{
    loadFrom("Button7.Visible=1\r\n");
    EXPECT_FALSE(game.state.visaToGet);
}

TEST_F(SavedGameTest, OnlyTheSavedDestinationCanBeChosen)
{
    std::string ini;
    for (int k = 1; k <= 18; ++k)
        ini += "RadioButton" + std::to_string(k) + ".Checked=" + (k == 3 ? "1" : "0") + "\r\n";
    loadFrom(ini);
    for (int k = 1; k <= 18; ++k)
        EXPECT_EQ(game.CapitalDlg.destinationEnabled(k), k == 3) << k;
    EXPECT_EQ(game.state.destination, 3);
}

TEST_F(SavedGameTest, BeforeTheVisaTheStateIsRefusedButTheDiaryStillSaved)
{
    playToSeoul(game);
    game.state.visaToGet = true;
    writeBytes(files.ini, "[State]\r\nPP=14\r\n");
    saveGame(game, files);
    EXPECT_EQ(readBytes(files.ini), "[State]\r\nPP=14\r\n");
    EXPECT_EQ(readBytes(files.diary), *encodeDiaryLines(game.diary.lines()));
    ASSERT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[0].detail, VisaFirstMessage);
    // Not "saved": the position was not.
    EXPECT_EQ(ui.calls[1].detail, DiaryOnlySavedMessage);
}

// Both files are written out before either replaces its old self.
TEST_F(SavedGameTest, AFailedWriteIsReportedAndLeavesTheOldSaveWhole)
{
    playToSeoul(game);
    writeBytes(files.ini, "[State]\r\nPP=14\r\n");
    saveGame(game, {files.ini, dir / "gone" / "Nikki.txt", files.trail});
    EXPECT_EQ(readBytes(files.ini), "[State]\r\nPP=14\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "warning");
    EXPECT_NE(ui.calls[0].detail.find("書き込めませんでした"), std::string::npos);
}

// Seoul's hiker stands on (215, 112): the trail ends there.
TEST_F(SavedGameTest, TheTrailIsSavedBesideTheDiaryAndComesBackExactly)
{
    Game saver{ui, clock};
    playToSeoul(saver);
    saver.trail.enter(19, 214, 113);
    saver.trail.enter(20, 214, 112);
    saver.trail.enter(20, 215, 112);
    saveGame(saver, files);
    EXPECT_EQ(readBytes(files.trail), *toCp932("旅の軌跡（日,x,y）\r\n19,214,113\r\n"
                                               "20,214,112\r\n20,215,112\r\n"));
    game.trail.enter(3, 1, 1);
    game.loadSavedGame(files);
    EXPECT_TRUE(std::ranges::equal(game.trail.cells(), saver.trail.cells()));
}

// A game saved before trails were kept loads without one and says nothing
// of it; a damaged trail is dropped with one line, and the game loads.
TEST_F(SavedGameTest, AMissingTrailLoadsAsNoneAndADamagedOneIsDroppedWithOneLine)
{
    Game saver{ui, clock};
    playToSeoul(saver);
    saver.trail.enter(20, 215, 112);
    saveGame(saver, files);
    const std::string header = *toCp932("旅の軌跡（日,x,y）") + "\r\n";
    for (const std::string& damaged : std::vector<std::string>{
             "", "19,215,112\r\n", header + "20,215,112,\r\n", header + "20,215,256\r\n",
             header + "20,215,110\r\n20,215,112\r\n", header + "21,215,111\r\n20,215,112\r\n",
             header + "20,215,111\r\n", header + "21,215,112\r\n"}) {
        writeBytes(files.trail, damaged);
        ui.calls.clear();
        game.trail.enter(3, 1, 1);
        game.loadSavedGame(files);
        EXPECT_EQ(game.state.toshi, Seoul);
        EXPECT_TRUE(game.trail.cells().empty()) << damaged;
        ASSERT_EQ(ui.count("message"), 1) << damaged;
        EXPECT_EQ(ui.calls.back().detail, trailDroppedMessage(files.trail));
        EXPECT_EQ(trailDroppedMessage(files.trail).find('\n'), std::string::npos);
    }
    std::filesystem::remove(files.trail);
    ui.calls.clear();
    game.trail.enter(3, 1, 1);
    game.loadSavedGame(files);
    EXPECT_TRUE(game.trail.cells().empty());
    EXPECT_EQ(ui.count("message") + ui.count("warning"), 0);
}

TEST_F(SavedGameTest, WithoutASavedGameLoadSaysSoAndChangesNothing)
{
    game.loadSavedGame(files);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].detail, NoSavedGameMessage);
    EXPECT_TRUE(s.TitlePending);
}

// Missing keys keep their fields, but the game resumes only on the capital
// screen of one of its cities, and the file itself must name it: not the
// city of a game saved or loaded before.
TEST_F(SavedGameTest, ASavedGameThatNamesNoCityIsRefusedAndChangesNothing)
{
    writeBytes(files.diary, "end\r\n");
    s.toshi = Seoul;
    game.saveFiles = files;
    const std::string misspelt = "[State]\r\nyen=777\r\ntosi=" + *toCp932(Seoul) + "\r\n";
    for (const std::string& ini : {std::string("[State]\r\n"), std::string("[State]\r\ny"),
                                   misspelt, std::string("[State]\r\nyen=777\r\nHaveMap=1\r\n"),
                                   std::string("[State]\r\nyen=777\r\ntoshi=Atlantis\r\n")}) {
        ui.calls.clear();
        writeBytes(files.ini, ini);
        game.HelpDlg.loadSavedGame();
        EXPECT_EQ(s.yen, 0) << ini;
        EXPECT_FALSE(s.HaveMap) << ini;
        EXPECT_EQ(s.toshi, Seoul) << ini;
        EXPECT_EQ(game.HelpDlg.Label5Color, colors::Aqua) << ini;
        ASSERT_EQ(ui.calls.size(), 1u) << ini;
        EXPECT_EQ(ui.calls[0].what, "warning");
        EXPECT_NE(ui.calls[0].detail.find("再開する都市がわかりません"), std::string::npos);
    }
}

// Nikki.txt is written alone too (a save before the visa, giving up,
// publishing); a load resumes with the diary of the save all the same, and
// says so when Nikki.txt is another journey's.
TEST_F(SavedGameTest, ALoadResumesWithTheSavesOwnDiaryNeverWithLinesWrittenAfterIt)
{
    Game saver{ui, clock};
    playToSeoul(saver);
    saveGame(saver, files);
    const std::vector<std::string> saved(saver.diary.lines().begin(), saver.diary.lines().end());
    saver.appendDiaryLine("　　ウランバートルに到着。");
    saver.state.visaToGet = true;
    saveGame(saver, files);
    ASSERT_NE(readBytes(files.diary), readBytes(dir / "korvalin.nikki"));

    ui.calls.clear();
    game.loadSavedGame(files);
    EXPECT_TRUE(std::ranges::equal(game.diary.lines(), saved));
    EXPECT_EQ(ui.count("message"), 0);

    std::vector<std::string> another = saved;
    another[20] = "　　別の旅。";
    ASSERT_TRUE(saveDiaryFile(files.diary, another));
    ui.calls.clear();
    game.loadSavedGame(files);
    EXPECT_TRUE(std::ranges::equal(game.diary.lines(), saved));
    ASSERT_EQ(ui.count("message"), 1);
    EXPECT_EQ(ui.calls.back().detail, "日記ファイル「" + files.diary.string() +
                                          "」は保存したときの日記から始まっていません。\n"
                                          "日記は保存したときのものを読み込みました。");
}

TEST_F(SavedGameTest, AMissingDiaryStopsTheLoadBeforeAnythingChanges)
{
    writeBytes(files.ini, "[State]\r\nyen=777\r\nHaveMap=1\r\ntoshi=x\r\n");
    game.loadSavedGame(files);
    EXPECT_EQ(s.yen, 0);
    EXPECT_FALSE(s.HaveMap);
    EXPECT_EQ(s.toshi, "");
    EXPECT_EQ(game.HelpDlg.Label5Color, colors::Aqua);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "warning");
    EXPECT_NE(ui.calls[0].detail.find("Nikki.txt"), std::string::npos);
}

// Whatever the language of play the saved game holds the canonical
// Japanese values, and a diary begun in Japanese and continued in English
// is loaded and written back as it was written.
TEST_F(SavedGameTest, InEnglishTheSameIniIsWrittenAndAMixedDiaryIsKeptAsWritten)
{
    arriveInSeoul(game);
    saveGame(game, files);
    const std::string japanese = readBytes(files.ini);
    ASSERT_NE(japanese.find("toshi=" + *toCp932(Seoul) + "\r\n"), std::string::npos);
    ASSERT_NE(japanese.find("Label5.Caption=" + *toCp932("韓国") + "\r\n"), std::string::npos);

    InEnglish english;
    ASSERT_TRUE(english.ready());
    testing::FakeUi englishUi;
    Game inEnglish{englishUi, clock};
    arriveInSeoul(inEnglish);
    const SaveFiles other{dir / "english.ini", dir / "english.txt", dir / "english.kiseki"};
    saveGame(inEnglish, other);
    EXPECT_EQ(readBytes(other.ini), japanese);

    Game resumed{englishUi, clock};
    resumed.loadSavedGame(files);
    ASSERT_TRUE(std::ranges::equal(resumed.diary.lines(), game.diary.lines()));
    resumed.appendDiaryLine("    Arrived in Seoul, and the diary goes on in English.");
    saveGame(resumed, files);
    const std::string mixed = readBytes(files.diary);
    ASSERT_NE(mixed.find(*toCp932("　　ソウルに到着。")), std::string::npos);
    Game again{englishUi, clock};
    again.loadSavedGame(files);
    EXPECT_TRUE(std::ranges::equal(again.diary.lines(), resumed.diary.lines()));
    saveGame(again, files);
    EXPECT_EQ(readBytes(files.diary), mixed);
    EXPECT_EQ(readBytes(dir / "korvalin.nikki"), mixed);
    EXPECT_EQ(englishUi.count("warning"), 0);
}

// The player is told what went wrong in his language: here another copy of
// the game holding the folder, and a saved game without its section.
TEST_F(SavedGameTest, InEnglishAFailedSaveOrLoadSaysWhyInEnglish)
{
    InEnglish english;
    ASSERT_TRUE(english.ready());
    playToSeoul(game);
    {
        const std::optional<FolderLock> otherCopy = FolderLock::take(dir.path());
        ASSERT_TRUE(otherCopy);
        saveGame(game, files);
        game.loadSavedGame(files);
    }
    writeBytes(files.ini, "[Other]\r\n");
    writeBytes(files.diary, "end\r\n");
    game.loadSavedGame(files);
    std::string said;
    for (const auto& call : ui.calls)
        said += call.what + ": " + call.detail + "\n";
    const std::string folder = '"' + dir.path().string() + '"';
    EXPECT_EQ(said, "warning: Another copy of the game is using " + folder +
                        ", so nothing was saved.\n"
                        "warning: Another copy of the game is using " +
                        folder +
                        ", so nothing was loaded.\n"
                        "The game is just as it was before loading.\n"
                        "warning: The saved game \"" +
                        files.ini.string() +
                        "\" is damaged (it has no [State] section).\n"
                        "The game is just as it was before loading.\n");
}

}  // namespace
}  // namespace korvalin

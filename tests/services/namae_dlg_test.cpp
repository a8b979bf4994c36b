#include "services/namae_dlg.h"

#include <gtest/gtest.h>

#include "game/language.h"
#include "save/saved_game.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

class NamaeDlgTest : public ::testing::Test {
protected:
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    NamaeDlg& namae = game.NamaeDlg;
};

TEST_F(NamaeDlgTest, OkStoresTheNameAndCloses)
{
    namae.Password = "ﾋｯﾁ太郎";
    namae.OKBtnClick();
    EXPECT_EQ(game.state.Namae, "ﾋｯﾁ太郎");
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "close");
    EXPECT_EQ(ui.calls[0].detail, "TNamaeDlg");
}

TEST_F(NamaeDlgTest, AnEmptyNameIsAccepted)
{
    game.state.Namae = "前の名前";
    namae.OKBtnClick();
    EXPECT_EQ(game.state.Namae, "");
    EXPECT_EQ(ui.count("close", "TNamaeDlg"), 1);
}

TEST_F(NamaeDlgTest, TheBoxKeepsItsTextForTheNextStart)
{
    namae.Password = "虹子";
    namae.OKBtnClick();
    namae.OKBtnClick();
    EXPECT_EQ(namae.Password, "虹子");
    EXPECT_EQ(game.state.Namae, "虹子");
}

// The name is written into Shift-JIS files; one they cannot hold is refused
// before anything is lost.
TEST_F(NamaeDlgTest, ANameShiftJisCannotHoldIsRefusedWithAMessage)
{
    for (const char* name : {"𠮷田", "旅人😀", "Ōsaka😀"}) {
        ui.calls.clear();
        game.state.Namae = "虹子";
        namae.Password = name;
        namae.OKBtnClick();
        EXPECT_EQ(game.state.Namae, "虹子") << name;
        EXPECT_EQ(namae.Password, name);
        ASSERT_EQ(ui.calls.size(), 1u) << name;
        EXPECT_EQ(ui.calls[0].what, "warning");
        EXPECT_EQ(ui.calls[0].detail, NamaeDlg::UnwritableNameMessage);
    }
}

// Latin letters with accents, which Shift-JIS lacks, have plain letters it
// has: the name is offered with those, Yes takes it, No goes back to the box
// with the name as typed.
TEST_F(NamaeDlgTest, ANameWithAccentsIsOfferedWithPlainLetters)
{
    struct Row {
        const char* typed;
        const char* plain;
        bool yes;
    };
    for (const Row& row :
         {Row{"Zoë", "Zoe", true}, Row{"José", "Jose", false},
          Row{" Søren Æbeløe ", "Soren AEbeloe", true},
          Row{"Łukasz Straße", "Lukasz Strasse", true}, Row{"Ōsaka", "Osaka", false}}) {
        ui.calls.clear();
        ui.answers = {row.yes};
        game.state.Namae = "虹子";
        namae.Password = row.typed;
        namae.OKBtnClick();
        ASSERT_EQ(ui.calls.size(), row.yes ? 2u : 1u) << row.typed;
        EXPECT_EQ(ui.calls[0].what + ": " + ui.calls[0].detail,
                  "confirm: " + fill(NamaeDlg::PlainLettersQuestion, row.plain));
        EXPECT_EQ(game.state.Namae, row.yes ? row.plain : "虹子");
        EXPECT_EQ(namae.Password, row.yes ? row.plain : row.typed);
        EXPECT_EQ(ui.count("close", "TNamaeDlg"), row.yes ? 1 : 0);
    }
}

// Characters Shift-JIS writes as one and reads back as another: the name
// the window takes is the name a saved game gives back, in Namae and in
// the diary's lines.
TEST_F(NamaeDlgTest, ANameComesBackFromASavedGameAsTheWindowTookIt)
{
    testing::TempDir dir;
    const SaveFiles files{dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
    game.state.toshi = "大韓民国首都ソウル";
    game.state.visaToGet = false;
    for (const char* typed : {"〜", "−", "¢", "£", "¬", "‖", "—", "¥", "‾"}) {
        namae.Password = std::string("虹子") + typed + "100";
        namae.OKBtnClick();
        const std::string taken = game.state.Namae;
        EXPECT_EQ(namae.Password, taken);
        game.appendDiaryLine("　　" + taken + "、出発。");
        saveGame(game, files);

        testing::FakeUi loadUi;
        Game loaded{loadUi, clock};
        loaded.loadSavedGame(files);
        EXPECT_EQ(loaded.state.Namae, taken) << typed;
        EXPECT_EQ(loaded.diary.get(loaded.state.dd), "　　" + taken + "、出発。") << typed;
    }
    EXPECT_EQ(ui.count("warning"), 0);
    namae.Password = "虹子〜";
    namae.OKBtnClick();
    EXPECT_EQ(game.state.Namae, "虹子～");
}

// The saved game drops blanks and tabs at a name's ends and keeps 1023
// bytes of it: the window trims the ends, shows what it took, and takes
// the longest name that comes back whole.
TEST_F(NamaeDlgTest, TheNameTakenIsTheNameASavedGameGivesBack)
{
    testing::TempDir dir;
    const SaveFiles files{dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
    game.state.toshi = "大韓民国首都ソウル";
    game.state.visaToGet = false;
    std::string longest = "A";
    for (int i = 0; i < 511; ++i)
        longest += "旅";
    for (const std::string& typed : {std::string(" \t虹子 \t"), longest}) {
        namae.Password = typed;
        namae.OKBtnClick();
        const std::string taken = typed == longest ? longest : "虹子";
        EXPECT_EQ(namae.Password, taken);
        EXPECT_EQ(game.state.Namae, taken);
        saveGame(game, files);
        testing::FakeUi loadUi;
        Game loaded{loadUi, clock};
        loaded.loadSavedGame(files);
        EXPECT_EQ(loaded.state.Namae, taken);
    }
    EXPECT_EQ(ui.count("warning"), 0);
}

// A line break would end the name's line in the file; one byte more than
// the file keeps would come back cut.
TEST_F(NamaeDlgTest, ANameTheSavedGameCannotKeepIsRefusedWithAMessage)
{
    std::string tooLong = "AA";
    for (int i = 0; i < 511; ++i)
        tooLong += "旅";
    for (const auto& [typed, message] :
         {std::pair{std::string("虹\n子"), NamaeDlg::LineBreakMessage},
          std::pair{std::string("虹子\r"), NamaeDlg::LineBreakMessage},
          std::pair{tooLong, NamaeDlg::TooLongMessage}}) {
        ui.calls.clear();
        game.state.Namae = "虹子";
        namae.Password = typed;
        namae.OKBtnClick();
        EXPECT_EQ(game.state.Namae, "虹子");
        ASSERT_EQ(ui.calls.size(), 1u);
        EXPECT_EQ(ui.calls[0].what + ": " + ui.calls[0].detail, "warning: " + std::string(message));
    }
}

}  // namespace
}  // namespace korvalin

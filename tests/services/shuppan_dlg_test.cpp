#include "services/shuppan_dlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "save/diary_file.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "support/temp_dir.h"

namespace korvalin {
namespace {

// Notes whether the diary file was already written when printing began.
class PrintWatchingUi : public testing::FakeUi {
public:
    bool printLines(std::span<const std::string> lines) override
    {
        fileWrittenBeforePrinting = std::filesystem::exists(diary);
        return FakeUi::printLines(lines);
    }
    std::filesystem::path diary;
    bool fileWrittenBeforePrinting = false;
};

class ShuppanDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.path().empty());
        game.saveFiles = {dir / "korvalin.ini", dir / "Nikki.txt", dir / "Kiseki.txt"};
        ui.diary = game.saveFiles.diary;
        game.state.Namae = "虹子";
        game.diary.put(1, "　　　虹子日記");
        game.diary.put(3, "1日目　97/12/20 （日本）");
        game.diary.put(4, "　　金沢出発");
        game.appendDiaryLine("　　ロンドンに到着");
        shuppan.FormShow();
    }

    std::vector<std::string> diaryLines(int first, int last) const
    {
        std::vector<std::string> lines;
        for (int i = first; i <= last; ++i)
            lines.push_back(game.diary.get(i));
        return lines;
    }

    testing::TempDir dir;
    PrintWatchingUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    ShuppanDlg& shuppan = game.ShuppanDlg;
};

TEST_F(ShuppanDlgTest, OffersToPublishThePlayersDiary)
{
    EXPECT_EQ(shuppan.Text, "虹子日記を出版（印刷）しますか？");
    EXPECT_EQ(shuppan.Caption, "虹子日記");
}

TEST_F(ShuppanDlgTest, OkSavesTheDiaryThenPrintsItsEntriesAndCloses)
{
    shuppan.OKBtnClick();

    EXPECT_EQ(shuppan.Text, "出版の準備をしています。");
    EXPECT_TRUE(ui.fileWrittenBeforePrinting);
    const auto bytes = encodeDiaryLines(game.diary.lines());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(testing::readBytes(dir / "Nikki.txt"), *bytes);

    ASSERT_EQ(game.state.dd, 5);
    EXPECT_EQ(ui.printed, diaryLines(0, 5)) << "the trailer after the last entry is not printed";
    ASSERT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[0].what, "print");
    EXPECT_EQ(ui.calls[1].what, "close");
    EXPECT_EQ(ui.calls[1].detail, "TShuppanDlg");
}

TEST_F(ShuppanDlgTest, ADiaryOfTheFirstDayPrintsLinesZeroToFour)
{
    game.state.dd = 4;
    shuppan.OKBtnClick();
    ASSERT_EQ(ui.printed.size(), 5u);
    EXPECT_EQ(ui.printed[0], "");
    EXPECT_EQ(ui.printed[4], "　　金沢出発");
}

TEST_F(ShuppanDlgTest, AFullDiaryPrintsEveryLine)
{
    game.state.dd = 1600;  // entries past the last line were lost, not printed
    shuppan.OKBtnClick();
    EXPECT_EQ(ui.printed.size(), 1500u);
}

TEST_F(ShuppanDlgTest, ACancelledPrintDialogStillLeavesTheSavedDiary)
{
    ui.printConfirmed = false;
    shuppan.OKBtnClick();
    EXPECT_TRUE(ui.printed.empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "Nikki.txt"));
    EXPECT_EQ(ui.count("close", "TShuppanDlg"), 1);
}

TEST_F(ShuppanDlgTest, CancelNeitherSavesNorPrints)
{
    shuppan.CancelBtnClick();
    EXPECT_FALSE(std::filesystem::exists(dir / "Nikki.txt"));
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "close");
}

TEST_F(ShuppanDlgTest, ADiaryThatCannotBeWrittenIsReportedAndTheOfferStays)
{
    std::filesystem::create_directory(dir / "Nikki.txt");  // nothing can replace a folder
    const auto linesBefore = game.diary.lines();
    shuppan.OKBtnClick();
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].what, "warning");
    EXPECT_NE(ui.calls[0].detail.find("Nikki.txt"), std::string::npos) << ui.calls[0].detail;
    EXPECT_NE(ui.calls[0].detail.find("書き込めませんでした"), std::string::npos);
    EXPECT_EQ(game.diary.lines(), linesBefore);
}

}  // namespace
}  // namespace korvalin

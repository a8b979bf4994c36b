#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/desktop_ui_qt.h"
#include "app/startup_qt.h"
#include "game/startup_error.h"
#include "journey/travel_window.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "widgets/program_icon_qt.h"

namespace korvalin {
namespace {

// Runs each test in a directory of its own, as the game runs in the
// player's working directory.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void writeSheet(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(dir.filePath("Map25.BMP"), "BMP"));
    }

    std::string startUpError()
    {
        try {
            loadGameTileSheet();
        } catch (const StartupError& error) {
            return error.what();
        }
        return {};
    }

    QTemporaryDir dir;
    QString previous;
    DesktopUi ui{KORVALIN_CATALOGUES};
    testing::FakeClock clock;
    Game game{ui, clock};
};

TEST_F(StartupTest, AMissingTileSheetIsReportedWithThePlacesLookedIn)
{
    const std::string error = startUpError();
    EXPECT_NE(error.find("見つかりません"), std::string::npos) << error;
    const QString beside = QApplication::applicationDirPath() + "/Map25.BMP";
    for (const QString& place : {dir.filePath("Map25.BMP"), beside})
        EXPECT_NE(error.find(place.toStdString()), std::string::npos) << error;
}

TEST_F(StartupTest, AFileThatIsNoBitmapIsReportedByName)
{
    QFile file(dir.filePath("Map25.BMP"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a picture");
    file.close();
    const std::string error = startUpError();
    EXPECT_NE(error.find("Map25.BMP"), std::string::npos) << error;
    EXPECT_NE(error.find("正しいビットマップではありません"), std::string::npos) << error;
}

TEST_F(StartupTest, ASheetOfTheWrongSizeIsRefused)
{
    writeSheet(128, 256);
    EXPECT_NE(startUpError().find("正しいビットマップではありません"), std::string::npos);
}

TEST_F(StartupTest, ATruncatedBitmapIsRefused)
{
    writeSheet(256, 256);
    QFile file(dir.filePath("Map25.BMP"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    EXPECT_NE(startUpError().find("正しいビットマップではありません"), std::string::npos);
}

TEST_F(StartupTest, EveryWindowIsCreatedInOrderWhileTheGaugeAdvances)
{
    writeSheet(256, 256);
    std::vector<int> progress;
    const auto windows = createWindows(game, ui, [&](int value) { progress.push_back(value); });
    ASSERT_EQ(windows.size(), 21u);
    const std::vector<int> expected{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                    12, 13, 14, 15, 16, 17, 18, 19, 20, 24};
    EXPECT_EQ(progress, expected);
    for (const WindowInfo& info : WindowTable) {
        QWidget* window = ui.window(info.id);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->metaObject()->className(), "korvalin::" + std::string(info.className));
        EXPECT_EQ(window->windowTitle().toStdString(), info.caption) << info.className;
        // The desktop shows the program's icon on each window's frame.
        EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), programIcon(32).toImage())
            << info.className;
    }
}

// The windows' inner sizes in pixels as each opens, before the capital
// screen unfolds.
TEST_F(StartupTest, EveryWindowHasItsSize)
{
    writeSheet(256, 256);
    const auto windows = createWindows(game, ui, [](int) {});
    std::string sizes;
    for (const WindowInfo& info : WindowTable) {
        QWidget* window = ui.window(info.id);
        window->show();
        const QSize size = window->size();
        window->hide();
        sizes += std::string(info.className) + " " + std::to_string(size.width()) + "x" +
                 std::to_string(size.height()) + "\n";
    }
    EXPECT_EQ(sizes,
              "TTravel 464x458\nTCapitalDlg 418x94\nTHelpDlg 480x480\nTLondonDlg 480x480\n"
              "TArbeitDlg 300x170\nTEndDlg 248x123\nTAboutBox 202x104\nTWorldMap 256x256\n"
              "TLostDlg 312x102\nTKaimonoDlg 320x300\nTSitiyaDlg 320x300\nTSosinDlg 300x190\n"
              "TDenpoDlg 280x140\nTJusinDlg 400x130\nTBankDlg 280x150\nTChokkoDlg 180x82\n"
              "TSosindDlg 276x82\nTNikkiDlg 326x476\nTNamaeDlg 300x124\nTShuppanDlg 316x115\n"
              "TFlagDlg 200x100\n");
}

// A switch reaches every window at once, and Qt's own dialogs follow it
// from Qt's translations.
TEST_F(StartupTest, ASwitchOfLanguageRetitlesEveryWindowAndQtsOwnDialogs)
{
    writeSheet(256, 256);
    const auto windows = createWindows(game, ui, [](int) {});
    const auto titles = [this] {
        std::string all;
        for (const WindowInfo& info : WindowTable)
            all += ui.window(info.id)->windowTitle().toStdString() + "|";
        return all;
    };
    const QString print = QStringLiteral("Print");
    ASSERT_TRUE(ui.speak(Language::English));
    EXPECT_EQ(
        titles(),
        "Korvalin ver 2.6|Dialog|Korvalin Help|Arrived in London!!|Part-time Job|"
        "Out of Money|About|World Map|Passport Lost|Shop|Pawnshop|Send Telegram|Telegraph office|"
        "Incoming Telegram|Bank|Korvalin|Telegram|Diary|Your Name|Diary|Flags|");
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), print);
    ASSERT_TRUE(ui.speak(Language::Japanese));
    EXPECT_EQ(ui.window(WindowId::BankDlg)->windowTitle(), QStringLiteral("銀行"));
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), print);
}

TEST_F(StartupTest, TheMainWindowShowsTheStartPosition)
{
    writeSheet(256, 256);
    game.tileSheet = loadGameTileSheet();
    TTravel travel(game, game.Travel);
    EXPECT_EQ(travel.windowTitle(), QStringLiteral("Korvalin ver 2.6"));
    EXPECT_EQ(travel.width(), 464);
    EXPECT_EQ(game.view.pixels().pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
}

}  // namespace
}  // namespace korvalin

#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

#include "app/splash_window.h"

namespace korvalin {
namespace {

const QColor Maroon(128, 0, 0);

TEST(SplashTest, TheGaugeFillsInProportionToTheProgress)
{
    TForm2 splash;
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("           Korvalin起動中"));
    EXPECT_EQ(splash.size(), QSize(181, 202));

    splash.setProgress(0);
    QImage shot = splash.grab().toImage();
    EXPECT_NE(shot.pixelColor(16, 176), Maroon);

    splash.setProgress(24);
    shot = splash.grab().toImage();
    EXPECT_EQ(shot.pixelColor(16, 176), Maroon);
    EXPECT_EQ(shot.pixelColor(15 + 149 * 24 / 25 - 2, 176), Maroon);
    EXPECT_NE(shot.pixelColor(15 + 148, 176), Maroon);  // 24 of 25 never fills it
    if (qEnvironmentVariableIsSet("KORVALIN_SHOTS"))
        shot.save(qEnvironmentVariable("KORVALIN_SHOTS") + "/splash.png");
}

// The gauge paints only its new columns: what reaches the screen must still
// be the whole bar, at every step, without the event loop running.
TEST(SplashTest, EachStepReachesTheScreenAtOnce)
{
    TForm2 splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    for (int progress : {1, 2, 13, 24}) {
        splash.setProgress(progress);
        const QImage screen = splash.screen()->grabWindow(splash.winId()).toImage();
        const int filled = 149 * progress / 25;
        EXPECT_EQ(screen.pixelColor(15, 176), Maroon) << progress;
        EXPECT_EQ(screen.pixelColor(15 + filled - 1, 176), Maroon) << progress;
        EXPECT_NE(screen.pixelColor(15 + filled, 176), Maroon) << progress;
    }
}

// The splash shows the game's four tiles, each a coloured square on black
// on white, above the gauge.
TEST(SplashTest, TheFourTilesShowTheirColours)
{
    TForm2 splash;
    const QImage shot = splash.grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < 168; ++y) {
        for (int x = 0; x < shot.width(); ++x)
            colours.insert(shot.pixel(x, y) & 0xFFFFFF);
    }
    for (QRgb tile : {0x008080u, 0xFF0000u, 0x008000u, 0x800080u})
        EXPECT_TRUE(colours.contains(tile)) << std::hex << tile;
}

}  // namespace
}  // namespace korvalin

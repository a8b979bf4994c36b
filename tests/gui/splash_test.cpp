#include <QImage>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korvalin

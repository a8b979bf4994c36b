// The capital screen lives while the player reads it: on each tick of its
// own timer the destination panel glows a step redder and the footprints
// walk on, as the screen's model has them.
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include "support/played_game.h"

namespace korvalin {
namespace {

TEST(CapitalAnimation, ThePanelGlowsAndTheFootprintsWalkWithTheScreensTimer)
{
    testing::PlayedGame played;
    played.arriveInBeijing();
    QWidget* screen = played.window(WindowId::CapitalDlg);
    auto* timer = screen->findChild<QTimer*>(QStringLiteral("C_Timer"));
    auto* panel = screen->findChild<QWidget*>(QStringLiteral("Panel1"));
    ASSERT_TRUE(timer && panel);
    QColor previous = panel->palette().color(QPalette::Window);
    for (int tick = 1; tick <= 5; ++tick) {
        SCOPED_TRACE(tick);
        QMetaObject::invokeMethod(timer, "timeout");
        const QColor glow = panel->palette().color(QPalette::Window);
        EXPECT_GT(glow.red(), previous.red());
        EXPECT_EQ(glow.blue(), previous.blue());
        previous = glow;
        int shown = 0;
        for (int foot = 1; foot <= 4; ++foot) {
            const bool visible = played
                                     .child<QLabel>(WindowId::CapitalDlg,
                                                    qPrintable(QStringLiteral("Asi%1").arg(foot)))
                                     ->isVisibleTo(screen);
            shown += visible;
            EXPECT_EQ(visible, foot == tick % 4 + 1) << "footprint " << foot;
        }
        EXPECT_EQ(shown, 1);
    }
}

}  // namespace
}  // namespace korvalin

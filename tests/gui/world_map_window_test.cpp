#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "journey/journey_fixture.h"
#include "maps/world_map_window.h"
#include "session/game.h"
#include "support/fake_ports.h"

namespace korvalin {
namespace {

TEST(WorldMapWindowTest, ShowsTheModelsPictureOnTopAndGoesAwayOnAKey)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.world = testing::TestMap().fill(90, 90, 110, 110, 24).grid();
    TWorldMap map(game, game.WorldMap);
    EXPECT_TRUE(map.windowFlags() & Qt::Tool);
    EXPECT_TRUE(map.windowFlags() & Qt::WindowStaysOnTopHint);

    map.show();
    const QImage shown = map.grab().toImage();
    EXPECT_EQ(shown.size(), QSize(256, 256));
    EXPECT_EQ(shown.pixel(240, 119), QColor(Qt::red).rgb());        // the hiker
    EXPECT_EQ(shown.pixel(225, 110), QColor(Qt::white).rgb());      // the view's frame
    EXPECT_EQ(shown.pixel(100, 100), QColor(128, 128, 128).rgb());  // land
    EXPECT_EQ(shown.pixel(10, 10), QColor(Qt::black).rgb());

    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(&map, &key);
    EXPECT_EQ(ui.count("close", "TWorldMap"), 1);
}

}  // namespace
}  // namespace korvalin

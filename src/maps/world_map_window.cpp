#include "maps/world_map_window.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "session/game.h"
#include "widgets/bitmap_qt.h"

namespace korvalin {

TWorldMap::TWorldMap(Game& game) : GameDialog(game, WindowId::WorldMap)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(GridSize, GridSize);
}

// The picture is built once per show; a repaint only copies it.
void TWorldMap::showEvent(QShowEvent* event)
{
    game_.WorldMap.PaintBox1Paint();
    update();
    GameDialog::showEvent(event);
}

void TWorldMap::paintEvent(QPaintEvent*)
{
    const Bitmap& picture = game_.WorldMap.Picture;
    if (picture.isNull())
        return;
    QPainter(this).drawImage(0, 0, imageOf(picture));
}

void TWorldMap::keyPressEvent(QKeyEvent*)
{
    game_.WorldMap.FormKeyDown();
}

void TWorldMap::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        game_.WorldMap.FormDeactivate();
    GameDialog::changeEvent(event);
}

}  // namespace korvalin

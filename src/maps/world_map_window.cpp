#include "maps/world_map_window.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "game/game_core.h"
#include "widgets/bitmap_qt.h"

namespace korvalin {

TWorldMap::TWorldMap(GameCore& game, WorldMap& model)
    : GameDialog(game, WindowId::WorldMap), model_(model)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(GridSize, GridSize);
}

// The picture is built once per show; a repaint only copies it.
void TWorldMap::showEvent(QShowEvent* event)
{
    model_.drawMap();
    update();
    GameDialog::showEvent(event);
}

void TWorldMap::paintEvent(QPaintEvent*)
{
    const Bitmap& picture = model_.Picture;
    if (picture.isNull())
        return;
    QPainter(this).drawImage(0, 0, imageOf(picture));
}

void TWorldMap::keyPressEvent(QKeyEvent*)
{
    model_.FormKeyDown();
}

void TWorldMap::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        model_.FormDeactivate();
    GameDialog::changeEvent(event);
}

}  // namespace korvalin

#include "widgets/game_dialog_qt.h"

#include <QShowEvent>

#include "widgets/text_qt.h"
#include "widgets/window_frame_qt.h"

namespace korvalin {

QString windowCaption(WindowId id)
{
    return qtext(captionOf(id));
}

GameDialog::GameDialog(GameCore& game, WindowId id, QWidget* parent)
    : QDialog(parent), game_(game), id_(id)
{
    setWindowTitle(windowCaption(id));
}

// A window shown for the first time takes its size from its layout, which
// the place depends on; placing it fixes the size from then on.
void GameDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        if (!testAttribute(Qt::WA_Resized))
            adjustSize();
        placeFrame(this, frameSpot());
    }
    QDialog::setVisible(visible);
}

QPoint GameDialog::frameSpot()
{
    return centredFrameSpot(this, nullptr);
}

void GameDialog::showEvent(QShowEvent* event)
{
    sync();
    QDialog::showEvent(event);
}

void GameDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(windowCaption(id_));
        retranslate();
        sync();
    }
    QDialog::changeEvent(event);
}

}  // namespace korvalin

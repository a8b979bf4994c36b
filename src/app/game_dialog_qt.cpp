#include "app/game_dialog_qt.h"

#include <QShowEvent>

#include "app/text_qt.h"

namespace korvalin {

QString windowCaption(WindowId id)
{
    return qtext(WindowTable[static_cast<std::size_t>(id)].caption);
}

GameDialog::GameDialog(Game& game, WindowId id, QWidget* parent) : QDialog(parent), game_(game)
{
    setWindowTitle(windowCaption(id));
}

void GameDialog::showEvent(QShowEvent* event)
{
    sync();
    QDialog::showEvent(event);
}

}  // namespace korvalin

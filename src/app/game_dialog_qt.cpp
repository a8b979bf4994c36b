#include "app/game_dialog_qt.h"

#include <QShowEvent>

namespace korvalin {

QString windowCaption(WindowId id)
{
    const auto& info = WindowTable[static_cast<std::size_t>(id)];
    return QString::fromUtf8(info.caption.data(), static_cast<qsizetype>(info.caption.size()));
}

GameDialog::GameDialog(Game& game, WindowId id, QWidget* parent)
    : QDialog(parent), game_(game), id_(id)
{
    setWindowTitle(windowCaption(id));
}

void GameDialog::showEvent(QShowEvent* event)
{
    sync();
    QDialog::showEvent(event);
}

}  // namespace korvalin

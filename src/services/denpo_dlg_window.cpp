#include "services/denpo_dlg_window.h"

#include <QRadioButton>

#include "game/game_core.h"
#include "services/service_pictures_qt.h"

namespace korvalin {

TDenpoDlg::TDenpoDlg(GameCore& game, DenpoDlg& model)
    : ServiceDialog(game, WindowId::DenpoDlg, OnTop::Yes), model_(model)
{
    setFixedSize(280, 140);
    (new PictureBox(ServicePicture::Telegram, this))->move(216, 12);
    DenpoButtons = choiceColumn<QRadioButton, 2>("DenpoButton", QRect(24, 20, 180, 22), 28,
                                                 [&model](int k) { model.DenpoButtonClick(k); });
    okAndCancel(model, 52, 100);
    retranslate();
}

void TDenpoDlg::formActivate()
{
    model_.FormActivate();
}

void TDenpoDlg::sync()
{
    showChoices(DenpoButtons, model_.DenpoButtons);
}

}  // namespace korvalin

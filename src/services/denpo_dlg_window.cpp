#include "services/denpo_dlg_window.h"

#include <QRadioButton>

#include "services/service_pictures_qt.h"
#include "session/game.h"

namespace korvalin {

TDenpoDlg::TDenpoDlg(Game& game) : ServiceDialog(game, WindowId::DenpoDlg, OnTop::Yes)
{
    setFixedSize(280, 140);
    DenpoDlg& model = game.DenpoDlg;
    (new PictureBox(ServicePicture::Telegram, this))->move(216, 12);
    DenpoButtons = choiceColumn<QRadioButton, 2>("DenpoButton", QRect(24, 20, 180, 22), 28,
                                                 [&model](int k) { model.DenpoButtonClick(k); });
    okAndCancel(model, 52, 100);
    retranslate();
}

void TDenpoDlg::formActivate()
{
    game_.DenpoDlg.FormActivate();
}

void TDenpoDlg::sync()
{
    showChoices(DenpoButtons, game_.DenpoDlg.DenpoButtons);
}

}  // namespace korvalin

#include "services/sitiya_dlg_window.h"

#include <QCheckBox>

#include "game/game_core.h"
#include "services/service_pictures_qt.h"

namespace korvalin {

TSitiyaDlg::TSitiyaDlg(GameCore& game, SitiyaDlg& model)
    : ServiceDialog(game, WindowId::SitiyaDlg, OnTop::Yes), model_(model)
{
    setFixedSize(320, 300);
    label(SitiyaDlg::Question, 16, 14);
    label(SitiyaDlg::AnyNumber, 16, 36);
    (new PictureBox(ServicePicture::Pawn, this))->move(256, 8);

    SitiyaButtons = choiceColumn<QCheckBox, 6>("SitiyaButton", QRect(16, 64, 288, 24), 30,
                                               [&model](int k) { model.SitiyaButtonClick(k); });
    okAndCancel(model, 72, 252);
    retranslate();
}

void TSitiyaDlg::formActivate()
{
    model_.FormActivate();
}

void TSitiyaDlg::sync()
{
    showChoices(SitiyaButtons, model_.SitiyaButtons, model_.SitiyaButton6Visible);
}

}  // namespace korvalin

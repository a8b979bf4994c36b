#include "services/sitiya_dlg_window.h"

#include <QCheckBox>

#include "services/service_pictures_qt.h"
#include "session/game.h"

namespace korvalin {

TSitiyaDlg::TSitiyaDlg(Game& game) : ServiceDialog(game, WindowId::SitiyaDlg, OnTop::Yes)
{
    setFixedSize(320, 300);
    SitiyaDlg& model = game.SitiyaDlg;
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
    game_.SitiyaDlg.FormActivate();
}

void TSitiyaDlg::sync()
{
    showChoices(SitiyaButtons, game_.SitiyaDlg.SitiyaButtons, game_.SitiyaDlg.SitiyaButton6Visible);
}

}  // namespace korvalin

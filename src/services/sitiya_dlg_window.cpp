#include "services/sitiya_dlg_window.h"

#include <QCheckBox>

#include "app/game.h"
#include "services/service_pictures_qt.h"

namespace korvalin {

TSitiyaDlg::TSitiyaDlg(Game& game) : ServiceDialog(game, WindowId::SitiyaDlg, OnTop::Yes)
{
    setFixedSize(320, 300);
    SitiyaDlg& model = game.SitiyaDlg;
    label(SitiyaDlg::Question, 16, 14);
    label(SitiyaDlg::AnyNumber, 16, 36);
    (new PictureBox(ServicePicture::Pawn, this))->move(256, 8);

    for (int k = 1; k <= 6; ++k) {
        SitiyaButtons[static_cast<std::size_t>(k - 1)] =
            choice(new QCheckBox, QStringLiteral("SitiyaButton%1").arg(k),
                   QRect(16, 64 + 30 * (k - 1), 288, 24), [&model, k] { model.SitiyaButtonClick(k); });
    }
    button("OKBtn", SitiyaDlg::OkCaption, 72, 252, [&model] { model.OKBtnClick(); })
        ->setDefault(true);
    button("CancelBtn", SitiyaDlg::CancelCaption, 172, 252, [&model] { model.CancelBtnClick(); });
}

void TSitiyaDlg::formActivate()
{
    game_.SitiyaDlg.FormActivate();
}

void TSitiyaDlg::sync()
{
    const SitiyaDlg& model = game_.SitiyaDlg;
    for (std::size_t i = 0; i < SitiyaButtons.size(); ++i)
        showChoice(SitiyaButtons[i], model.SitiyaButtons[i], i < 5 || model.SitiyaButton6Visible);
}

}  // namespace korvalin

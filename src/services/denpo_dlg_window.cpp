#include "services/denpo_dlg_window.h"

#include <QRadioButton>

#include "app/game.h"
#include "services/service_pictures_qt.h"

namespace korvalin {

TDenpoDlg::TDenpoDlg(Game& game) : ServiceDialog(game, WindowId::DenpoDlg, OnTop::Yes)
{
    setFixedSize(280, 140);
    DenpoDlg& model = game.DenpoDlg;
    (new PictureBox(ServicePicture::Telegram, this))->move(216, 12);
    for (int k = 1; k <= 2; ++k) {
        DenpoButtons[static_cast<std::size_t>(k - 1)] =
            choice(new QRadioButton, QStringLiteral("DenpoButton%1").arg(k),
                   QRect(24, 20 + 28 * (k - 1), 180, 22), [&model, k] { model.DenpoButtonClick(k); });
    }
    button("OKBtn", DenpoDlg::OkCaption, 52, 100, [&model] { model.OKBtnClick(); })
        ->setDefault(true);
    button("CancelBtn", DenpoDlg::CancelCaption, 152, 100, [&model] { model.CancelBtnClick(); });
}

void TDenpoDlg::sync()
{
    for (std::size_t i = 0; i < DenpoButtons.size(); ++i)
        showChoice(DenpoButtons[i], game_.DenpoDlg.DenpoButtons[i]);
}

}  // namespace korvalin

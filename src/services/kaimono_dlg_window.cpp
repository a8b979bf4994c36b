#include "services/kaimono_dlg_window.h"

#include <QRadioButton>

#include "app/game.h"
#include "app/palette_qt.h"
#include "app/text_qt.h"
#include "services/goods.h"
#include "services/service_pictures_qt.h"

namespace korvalin {

namespace {
// Light green, light yellow, pink, light blue, orange; the city's own good
// light cyan.
constexpr std::array<QRgb, 6> RowColours = {0xC0FFC0, 0xFFFFC0, 0xFFC0CB,
                                            0xC0E0FF, 0xFFC080, 0xC0FFFF};
}  // namespace

TKaimonoDlg::TKaimonoDlg(Game& game) : ServiceDialog(game, WindowId::KaimonoDlg, OnTop::Yes)
{
    setFixedSize(320, 300);
    KaimonoDlg& model = game.KaimonoDlg;
    label(KaimonoDlg::Question, 16, 14);
    label(KaimonoDlg::OneOnly, 16, 36);
    (new PictureBox(ServicePicture::Shop, this))->move(256, 8);

    for (int k = 1; k <= 6; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        QAbstractButton* row =
            choice(new QRadioButton, QStringLiteral("KaimonoButton%1").arg(k),
                   QRect(16, 64 + 30 * (k - 1), 288, 24), [&model, k] { model.KaimonoButtonClick(k); });
        fillBackground(row, QColor(RowColours[i]));
        if (i < ShopGoods.size())
            row->setToolTip(qtext(ShopGoods[i].hint));
        KaimonoButtons[i] = row;
    }
    button("OKBtn", KaimonoDlg::OkCaption, 72, 252, [&model] { model.OKBtnClick(); })
        ->setDefault(true);
    button("CancelBtn", KaimonoDlg::CancelCaption, 172, 252, [&model] { model.CancelBtnClick(); });
}

void TKaimonoDlg::formActivate()
{
    game_.KaimonoDlg.FormActivate();
}

void TKaimonoDlg::sync()
{
    const KaimonoDlg& model = game_.KaimonoDlg;
    for (std::size_t i = 0; i < KaimonoButtons.size(); ++i)
        showChoice(KaimonoButtons[i], model.KaimonoButtons[i], i < 5 || model.KaimonoButton6Visible);
}

}  // namespace korvalin

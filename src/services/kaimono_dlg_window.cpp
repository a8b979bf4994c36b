#include "services/kaimono_dlg_window.h"

#include <QRadioButton>

#include "game/game_core.h"
#include "services/goods.h"
#include "services/service_pictures_qt.h"
#include "widgets/fixed_texts_qt.h"
#include "widgets/palette_qt.h"

namespace korvalin {

namespace {
// Light green, light yellow, pink, light blue, orange; the city's own good
// light cyan.
constexpr std::array<QRgb, 6> RowColours = {0xC0FFC0, 0xFFFFC0, 0xFFC0CB,
                                            0xC0E0FF, 0xFFC080, 0xC0FFFF};
}  // namespace

TKaimonoDlg::TKaimonoDlg(GameCore& game, KaimonoDlg& model)
    : ServiceDialog(game, WindowId::KaimonoDlg, OnTop::Yes), model_(model)
{
    setFixedSize(320, 300);
    label(KaimonoDlg::Question, 16, 14);
    label(KaimonoDlg::OneOnly, 16, 36);
    (new PictureBox(ServicePicture::Shop, this))->move(256, 8);

    KaimonoButtons =
        choiceColumn<QRadioButton, 6>("KaimonoButton", QRect(16, 64, 288, 24), 30,
                                      [&model](int k) { model.KaimonoButtonClick(k); });
    for (std::size_t i = 0; i < KaimonoButtons.size(); ++i) {
        fillBackground(KaimonoButtons[i], QColor(RowColours[i]));
        KaimonoButtons[i]->setBackgroundRole(QPalette::Window);
        if (i < ShopGoods.size())
            setFixedHint(KaimonoButtons[i], ShopGoods[i].hint);
    }
    okAndCancel(model, 72, 252);
    retranslate();
}

void TKaimonoDlg::formActivate()
{
    model_.FormActivate();
}

void TKaimonoDlg::sync()
{
    showChoices(KaimonoButtons, model_.KaimonoButtons, model_.KaimonoButton6Visible);
}

}  // namespace korvalin

#include "services/sosin_dlg_window.h"

#include <QRadioButton>

#include "app/game.h"

namespace korvalin {

TSosinDlg::TSosinDlg(Game& game) : ServiceDialog(game, WindowId::SosinDlg, OnTop::Yes)
{
    setFixedSize(300, 190);
    SosinDlg& model = game.SosinDlg;
    label(SosinDlg::Prompt, 20, 14);
    for (int k = 1; k <= 3; ++k) {
        SosinButtons[static_cast<std::size_t>(k - 1)] =
            choice(new QRadioButton, QStringLiteral("SosinButton%1").arg(k),
                   QRect(36, 44 + 28 * (k - 1), 240, 22), [&model, k] { model.SosinButtonClick(k); });
    }
    button("OKBtn", SosinDlg::OkCaption, 62, 148, [&model] { model.OKBtnClick(); })
        ->setDefault(true);
    button("CancelBtn", SosinDlg::CancelCaption, 162, 148, [&model] { model.CancelBtnClick(); });
}

void TSosinDlg::formActivate()
{
    game_.SosinDlg.FormActivate();
}

void TSosinDlg::sync()
{
    for (std::size_t i = 0; i < SosinButtons.size(); ++i)
        showChoice(SosinButtons[i], game_.SosinDlg.SosinButtons[i]);
}

}  // namespace korvalin

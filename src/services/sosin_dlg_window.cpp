#include "services/sosin_dlg_window.h"

#include <QRadioButton>

#include "session/game.h"

namespace korvalin {

TSosinDlg::TSosinDlg(Game& game) : ServiceDialog(game, WindowId::SosinDlg, OnTop::Yes)
{
    setFixedSize(300, 190);
    SosinDlg& model = game.SosinDlg;
    label(SosinDlg::Prompt, 20, 14);
    SosinButtons = choiceColumn<QRadioButton, 3>("SosinButton", QRect(36, 44, 240, 22), 28,
                                                 [&model](int k) { model.SosinButtonClick(k); });
    okAndCancel(model, 62, 148);
    retranslate();
}

void TSosinDlg::formActivate()
{
    game_.SosinDlg.FormActivate();
}

void TSosinDlg::sync()
{
    showChoices(SosinButtons, game_.SosinDlg.SosinButtons);
}

}  // namespace korvalin

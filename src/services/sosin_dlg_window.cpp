#include "services/sosin_dlg_window.h"

#include <QRadioButton>

#include "game/game_core.h"

namespace korvalin {

TSosinDlg::TSosinDlg(GameCore& game, SosinDlg& model)
    : ServiceDialog(game, WindowId::SosinDlg, OnTop::Yes), model_(model)
{
    setFixedSize(300, 190);
    label(SosinDlg::Prompt, 20, 14);
    SosinButtons = choiceColumn<QRadioButton, 3>("SosinButton", QRect(36, 44, 240, 22), 28,
                                                 [&model](int k) { model.SosinButtonClick(k); });
    okAndCancel(model, 62, 148);
    retranslate();
}

void TSosinDlg::formActivate()
{
    model_.FormActivate();
}

void TSosinDlg::sync()
{
    showChoices(SosinButtons, model_.SosinButtons);
}

}  // namespace korvalin

#include "services/bank_dlg_window.h"

#include <QLabel>
#include <QPushButton>

#include "game/game_core.h"
#include "widgets/text_qt.h"

namespace korvalin {

TBankDlg::TBankDlg(GameCore& game, BankDlg& model)
    : ServiceDialog(game, WindowId::BankDlg, OnTop::Yes), model_(model)
{
    setFixedSize(280, 150);
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        Lines[i] = new QLabel(this);
        Lines[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Lines[i]->setGeometry(24, 16 + 24 * static_cast<int>(i), 232, 20);
        Lines[i]->setAlignment(Qt::AlignCenter);
    }
    okAndCancel(model, 52, 108);
    retranslate();
}

void TBankDlg::formActivate()
{
    model_.FormActivate();
}

void TBankDlg::sync()
{
    for (std::size_t i = 0; i < Lines.size(); ++i)
        Lines[i]->setText(qtext(model_.Lines[i]));
}

}  // namespace korvalin

#include "services/bank_dlg_window.h"

#include <QLabel>
#include <QPushButton>

#include "session/game.h"
#include "widgets/text_qt.h"

namespace korvalin {

TBankDlg::TBankDlg(Game& game) : ServiceDialog(game, WindowId::BankDlg, OnTop::Yes)
{
    setFixedSize(280, 150);
    BankDlg& model = game.BankDlg;
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
    game_.BankDlg.FormActivate();
}

void TBankDlg::sync()
{
    for (std::size_t i = 0; i < Lines.size(); ++i)
        Lines[i]->setText(qtext(game_.BankDlg.Lines[i]));
}

}  // namespace korvalin

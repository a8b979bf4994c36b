#include "services/jusin_dlg_window.h"

#include <QLabel>
#include <QPushButton>

#include "game/game_core.h"
#include "widgets/text_qt.h"

namespace korvalin {

TJusinDlg::TJusinDlg(GameCore& game, JusinDlg& model)
    : ServiceDialog(game, WindowId::JusinDlg, OnTop::Yes), model_(model)
{
    setFixedSize(400, 130);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(20, 16, 360, 20);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(20, 44, 360, 20);
    Label2->setAlignment(Qt::AlignCenter);
    button("OKBtn", JusinDlg::OkCaption, 162, 88, [this] {
        model_.OKBtnClick();
    })->setDefault(true);
    retranslate();
}

void TJusinDlg::formShow()
{
    model_.FormShow();
}

void TJusinDlg::sync()
{
    Label1->setText(qtext(model_.Label1Caption));
    Label2->setText(qtext(model_.Label2Caption));
}

}  // namespace korvalin

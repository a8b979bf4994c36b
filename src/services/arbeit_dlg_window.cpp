#include "services/arbeit_dlg_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "game/game_core.h"
#include "services/service_pictures_qt.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

namespace {
const QColor BlueViolet(138, 43, 226);
}  // namespace

TArbeitDlg::TArbeitDlg(GameCore& game, ArbeitDlg& model)
    : ServiceDialog(game, WindowId::ArbeitDlg, OnTop::Yes), model_(model)
{
    setFixedSize(300, 170);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 16, 200, 22);
    Label1->setIndent(6);
    fillBackground(Label1, BlueViolet);
    setTextColour(Label1, Qt::white);
    (new PictureBox(ServicePicture::Work, this))->move(236, 8);

    label(ArbeitDlg::Question, 16, 56);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 80, 64, 22);
    // Days are typed in half-width digits: no input method, and nothing
    // but digits gets into the box.
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), Edit1));
    connect(Edit1, &QLineEdit::textEdited, this,
            [&model](const QString& text) { model.Edit1Text = text.toStdString(); });
    label(ArbeitDlg::DaysUnit, 86, 84);

    button("Button1", ArbeitDlg::OkCaption, 60, 128, [&model] {
        model.takeJob();
    })->setDefault(true);
    button("Button2", ArbeitDlg::CancelCaption, 164, 128, [&model] { model.declineJob(); });
    retranslate();
}

void TArbeitDlg::formShow()
{
    model_.FormShow();
}

void TArbeitDlg::formActivate()
{
    model_.FormActivate();
}

void TArbeitDlg::sync()
{
    const ArbeitDlg& model = model_;
    Label1->setText(qtext(model.Label1Caption));
    const QString days = qtext(model.Edit1Text);
    if (Edit1->text() != days)
        Edit1->setText(days);
    Edit1->setEnabled(model.Edit1Enabled);
    Edit1->setFocus();
}

}  // namespace korvalin

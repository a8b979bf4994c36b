#include "services/shuppan_dlg_window.h"

#include <QLabel>
#include <QPushButton>

#include "game/game_core.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

TShuppanDlg::TShuppanDlg(GameCore& game, ShuppanDlg& model)
    : FixedTextsDialog(game, WindowId::ShuppanDlg), model_(model)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(316, 115);
    fillBackground(this, Qt::red);

    textLine_ = new QLabel(this);
    textLine_->setObjectName(QStringLiteral("Label1"));
    textLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    textLine_->setAlignment(Qt::AlignCenter);
    fillBackground(textLine_, QColor(255, 240, 240));
    setTextColour(textLine_, Qt::black);
    textLine_->setGeometry(12, 16, 292, 32);

    auto* ok = new QPushButton(this);
    setFixedText(ok, ShuppanDlg::OkCaption);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setGeometry(64, 72, 80, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.OKBtnClick();
        sync();
    });
    auto* cancel = new QPushButton(this);
    setFixedText(cancel, ShuppanDlg::CancelCaption);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setGeometry(172, 72, 80, 27);
    connect(cancel, &QPushButton::clicked, this, [this] { model_.CancelBtnClick(); });
    retranslate();
}

void TShuppanDlg::showEvent(QShowEvent* event)
{
    model_.FormShow();
    FixedTextsDialog::showEvent(event);
}

void TShuppanDlg::sync()
{
    const std::string& caption = model_.Caption;
    setWindowTitle(caption.empty() ? windowCaption(WindowId::ShuppanDlg) : qtext(caption));
    textLine_->setText(qtext(model_.Text));
}

}  // namespace korvalin

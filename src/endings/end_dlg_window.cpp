#include "endings/end_dlg_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/game_core.h"
#include "widgets/close_guard_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

TEndDlg::TEndDlg(GameCore& game, EndDlg& model) : GameDialog(game, WindowId::EndDlg), model_(model)
{
    // Only the two answers leave it; Escape must not end the journey.
    closeOnlyFromHandlers(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 18, 28, 14);
    for (QLabel*& line : lines_) {
        line = new QLabel(this);
        layout->addWidget(line, 0, Qt::AlignHCenter);
    }
    layout->addSpacing(10);

    auto* buttons = new QHBoxLayout;
    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { model_.OKBtnClick(); });
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(CancelBtn, &QPushButton::clicked, this, [this] { model_.CancelBtnClick(); });
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
}

void TEndDlg::retranslate()
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setText(qtr(EndDlg::Lines[i]));
    OKBtn->setText(qtr(EndDlg::OkCaption));
    CancelBtn->setText(qtr(EndDlg::CancelCaption));
}

}  // namespace korvalin

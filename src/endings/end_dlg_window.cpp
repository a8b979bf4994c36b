#include "endings/end_dlg_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/game.h"
#include "widgets/close_guard_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

TEndDlg::TEndDlg(Game& game) : GameDialog(game, WindowId::EndDlg)
{
    // Only the two answers leave it; Escape must not end the journey.
    closeOnlyFromHandlers(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 18, 28, 14);
    for (std::string_view line : EndDlg::Lines)
        layout->addWidget(new QLabel(qtext(line), this), 0, Qt::AlignHCenter);
    layout->addSpacing(10);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(qtext(EndDlg::OkCaption), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { game_.EndDlg.OKBtnClick(); });
    auto* cancel = new QPushButton(qtext(EndDlg::CancelCaption), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancel, &QPushButton::clicked, this, [this] { game_.EndDlg.CancelBtnClick(); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korvalin

#include "services/namae_dlg_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "game/game_core.h"
#include "widgets/close_guard_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

TNamaeDlg::TNamaeDlg(GameCore& game, NamaeDlg& model)
    : FixedTextsDialog(game, WindowId::NamaeDlg), model_(model)
{
    // There is no cancel: OK, with whatever name, is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    closeOnlyFromHandlers(this, [this] { model_.OKBtnClick(); });
    setFixedSize(300, 124);

    auto* prompt = new QLabel(this);
    setFixedText(prompt, NamaeDlg::Prompt);
    prompt->setGeometry(24, 16, 252, 16);

    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setGeometry(24, 42, 252, 22);
    // Names are typed in Japanese: the input method stays on here, unlike
    // on the main window.
    Password->setAttribute(Qt::WA_InputMethodEnabled, true);
    connect(Password, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.Password = text.toStdString(); });

    auto* ok = new QPushButton(this);
    setFixedText(ok, NamaeDlg::OkCaption);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setGeometry(112, 80, 75, 25);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { model_.OKBtnClick(); });
    retranslate();
}

void TNamaeDlg::sync()
{
    const QString text = qtext(model_.Password);
    if (Password->text() != text)
        Password->setText(text);
    Password->selectAll();
    Password->setFocus();
}

}  // namespace korvalin

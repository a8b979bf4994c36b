#include "services/service_dialog_qt.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "widgets/text_qt.h"

namespace korvalin {

ServiceDialog::ServiceDialog(GameCore& game, WindowId id, OnTop onTop) : FixedTextsDialog(game, id)
{
    if (onTop == OnTop::Yes)
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
}

void ServiceDialog::run(const std::function<void()>& handler)
{
    handler();
    sync();
}

QLabel* ServiceDialog::label(std::string_view japanese, int left, int top)
{
    auto* l = new QLabel(this);
    l->move(left, top);
    setFixedText(l, japanese, TextFit::Resized);
    return l;
}

QPushButton* ServiceDialog::button(const char* name, std::string_view japanese, int left, int top,
                                   std::function<void()> handler)
{
    auto* b = new QPushButton(this);
    setFixedText(b, japanese);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, top, 75, 25);
    connect(b, &QPushButton::clicked, this, [this, handler = std::move(handler)] { run(handler); });
    return b;
}

QAbstractButton* ServiceDialog::choice(QAbstractButton* box, const QString& name,
                                       const QRect& geometry, std::function<void()> handler)
{
    box->setParent(this);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setAutoExclusive(false);
    connect(box, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { run(handler); });
    return box;
}

void ServiceDialog::showChoice(QAbstractButton* box, const Choice& model, bool visible)
{
    box->setText(qtext(model.Caption));
    box->setEnabled(model.Enabled);
    box->setChecked(model.Checked);
    box->setVisible(visible);
}

// A window restored from the task bar is not shown anew: only the game's
// own showing runs FormShow, which books a telegram's answer.
void ServiceDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        formShow();
        formActivate();
    }
    FixedTextsDialog::showEvent(event);
    activateWindow();
}

// A new language is looked at as a new activation: the model computes its
// texts again before the window shows them.
void ServiceDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        run([this] { formActivate(); });
    if (event->type() == QEvent::LanguageChange && isVisible())
        formActivate();
    FixedTextsDialog::changeEvent(event);
}

}  // namespace korvalin

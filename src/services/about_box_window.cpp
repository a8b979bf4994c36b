#include "services/about_box_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/game_core.h"
#include "widgets/program_icon_qt.h"

namespace korvalin {

namespace {

constexpr int IconSize = 32;

}  // namespace

TAboutBox::TAboutBox(GameCore& game, AboutBox& model)
    : FixedTextsDialog(game, WindowId::AboutBox), model_(model)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);

    // The icon, name and date in a lowered frame, OK across the whole width.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(programIcon(IconSize));
    icon->setFixedSize(IconSize, IconSize);
    auto* name = new QLabel(panel);
    setFixedText(name, AboutBox::ProductName);
    auto* date = new QLabel(panel);
    setFixedText(date, AboutBox::ReleaseDate);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 12, 24, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(date, 1, 1);

    auto* ok = new QPushButton(this);
    setFixedText(ok, AboutBox::OkCaption);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { model_.OKButtonClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel);
    layout->addWidget(ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
}

}  // namespace korvalin

#include "title/help_dlg_window.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>

#include "game/colors.h"
#include "game/game_core.h"
#include "title/title_picture_qt.h"
#include "widgets/click_label_qt.h"
#include "widgets/close_guard_qt.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

namespace {

// The nine body lines: their tops, and the handlers of the eight that can
// jump from the contents page.
constexpr std::array<int, HelpDlg::BodyLineCount> BodyTops = {143, 163, 183, 202, 223,
                                                              244, 267, 286, 308};
constexpr int BodyLeft = 79;
// The language choice's distance from the window's top right corner.
constexpr int LanguageMargin = 6;
constexpr std::array<const char*, HelpDlg::BodyLineCount> BodyNames = {
    "Label2",  "Label3",  "Label8",  "Label9",   "Label10",
    "Label11", "Label14", "Label15", "BodyLine9"};
constexpr std::array<void (HelpDlg::*)(), 8> BodyClicks = {
    &HelpDlg::openStartSection,    &HelpDlg::openMovingSection,   &HelpDlg::openVisaSection,
    &HelpDlg::openShoppingSection, &HelpDlg::openTelegramSection, &HelpDlg::openDiarySection,
    &HelpDlg::openTerrainSection,  &HelpDlg::openMiscSection};

}  // namespace

THelpDlg::THelpDlg(GameCore& game, HelpDlg& model)
    : GameDialog(game, WindowId::HelpDlg), model_(model)
{
    // No maximise on a window of fixed size. The close box takes the path of
    // START's "Close"; window managers that draw none also drop Alt+F4.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    closeOnlyFromHandlers(this, [this] { run(&HelpDlg::CloseBoxClick); });
    setFixedSize(ClientSize, ClientSize);
    fillBackground(this, Qt::gray);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = QApplication::font();
    title.setPointSize(12);
    title.setBold(true);
    Label1->setFont(title);
    setTextColour(Label1, QColor(colors::Purple));
    Label1->move(153, 120);

    buildBody();
    buildBar();
    buildCourseMenu();

    model_.FormCreate();
    retranslate();
    sync();
}

void THelpDlg::buildBody()
{
    for (std::size_t i = 0; i < bodyLines_.size(); ++i) {
        auto* line = new ClickLabel(this);
        line->setObjectName(QString::fromLatin1(BodyNames[i]));
        line->setFont(pixelFont(12));
        setTextColour(line, Qt::white);
        line->move(BodyLeft, BodyTops[i]);
        if (i < BodyClicks.size()) {
            line->onClick = [this, click = BodyClicks[i]](Qt::MouseButton button) {
                if (button == Qt::LeftButton)
                    run(click);
            };
        }
        bodyLines_[i] = line;
    }
}

void THelpDlg::buildBar()
{
    auto* bar = new QWidget(this);
    bar->setGeometry(0, ClientSize - BarHeight, ClientSize, BarHeight);
    fillBackground(bar, QColor(colors::Purple));

    auto leftClick = [this](void (HelpDlg::*handler)()) {
        return [this, handler](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                run(handler);
        };
    };
    Label5 = barLabel(bar, "Label5", 24);
    Label5->onClick = leftClick(&HelpDlg::loadSavedGame);
    levelLabel_ = barLabel(bar, "LevelLabel", 109);
    // Only the right button opens the course popup; a left click does nothing.
    levelLabel_->onClick = [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            courseMenu_->popup(QCursor::pos());
    };
    Label4 = barLabel(bar, "Label4", 205);
    Label4->onClick = leftClick(&HelpDlg::startOrResume);
    Label13 = barLabel(bar, "Label13", 322);
    Label13->onClick = leftClick(&HelpDlg::turnToContents);
    Label6 = barLabel(bar, "Label6", 379);
    Label6->onClick = leftClick(&HelpDlg::turnToPreviousPage);
    Label7 = barLabel(bar, "Label7", 412);
    Label7->onClick = leftClick(&HelpDlg::turnToNextPage);

    // The language choice stands in the sky's corner, clear of the bar's
    // captions, whose English is wider.
    languageLabel_ = new ClickLabel(this);
    languageLabel_->setObjectName(QStringLiteral("LanguageLabel"));
    languageLabel_->setFont(pixelFont(14, true));
    setTextColour(languageLabel_, QColor(colors::Aqua));
    languageLabel_->onClick = leftClick(&HelpDlg::LanguageClick);
}

ClickLabel* THelpDlg::barLabel(QWidget* bar, const char* name, int left)
{
    auto* label = new ClickLabel(bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(pixelFont(16, true));
    setTextColour(label, QColor(colors::Aqua));
    label->move(left, 0);
    return label;
}

void THelpDlg::retranslate()
{
    const auto caption = [this](ClickLabel* label, std::string_view text, std::string_view hint) {
        label->setText(qtr(text));
        label->setToolTip(qtr(hint));
        label->adjustSize();
        label->move(label->x(), (BarHeight - label->height()) / 2);
    };
    caption(Label5, HelpDlg::LoadCaption, HelpDlg::LoadHint);
    caption(levelLabel_, HelpDlg::LevelCaption, HelpDlg::LevelHint);
    caption(Label4, HelpDlg::StartCaption, HelpDlg::StartHint);
    caption(Label13, HelpDlg::ContentsCaption, {});
    caption(Label6, HelpDlg::PreviousCaption, HelpDlg::PreviousHint);
    caption(Label7, HelpDlg::NextCaption, HelpDlg::NextHint);
    const QList<QAction*> items = courseMenu_->actions();
    for (std::size_t i = 0; i < Courses.size(); ++i) {
        items[static_cast<qsizetype>(i)]->setText(qtr(Courses[i].caption));
        items[static_cast<qsizetype>(i)]->setToolTip(qtr(Courses[i].hint));
    }
}

void THelpDlg::buildCourseMenu()
{
    courseMenu_ = new QMenu(this);
    courseMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    courseMenu_->setToolTipsVisible(true);
    const std::array<void (HelpDlg::*)(), Courses.size()> clicks = {
        &HelpDlg::chooseKingCourse, &HelpDlg::choosePauperCourse,
        &HelpDlg::chooseUtterPauperCourse};
    for (std::size_t i = 0; i < Courses.size(); ++i) {
        QAction* item = courseMenu_->addAction(QString());
        item->setObjectName(QStringLiteral("K%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, click = clicks[i]] { run(click); });
    }
}

template <typename Handler>
void THelpDlg::run(Handler handler)
{
    (model_.*handler)();
    sync();
}

void THelpDlg::sync()
{
    Label1->setText(qtext(model_.TitleCaption));
    Label1->adjustSize();
    for (std::size_t i = 0; i < bodyLines_.size(); ++i) {
        bodyLines_[i]->setText(qtext(model_.BodyCaptions[i]));
        bodyLines_[i]->adjustSize();
    }
    Label4->setText(qtext(model_.Label4Caption));
    Label4->adjustSize();
    levelLabel_->setVisible(model_.LevelVisible);
    languageLabel_->setText(qtext(model_.LanguageCaption));
    languageLabel_->adjustSize();
    languageLabel_->move(ClientSize - LanguageMargin - languageLabel_->width(), LanguageMargin);
    languageLabel_->setVisible(model_.LevelVisible);
    setTextColour(Label5, QColor(model_.Label5Color));
}

// Showing a window activates it, even where no window manager does.
void THelpDlg::showEvent(QShowEvent* event)
{
    GameDialog::showEvent(event);
    activateWindow();
}

void THelpDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        run(&HelpDlg::FormActivate);
    GameDialog::changeEvent(event);
}

// Drawn when the window is first painted rather than while the game starts,
// so that the main window comes up sooner, and afresh for the screen's pixel
// density, so that the lettering stays sharp on a high-resolution screen.
void THelpDlg::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
        picture_ = titlePicture(game_.world, game_.tileSheet, size() * ratio);
        picture_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void THelpDlg::done(int result)
{
    model_.FormClose();
    GameDialog::done(result);
}

}  // namespace korvalin

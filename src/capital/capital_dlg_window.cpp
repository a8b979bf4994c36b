#include "capital/capital_dlg_window.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <type_traits>

#include "capital/action_glyphs_qt.h"
#include "capital/capital_texts.h"
#include "capital/flag_dlg_window.h"
#include "game/colors.h"
#include "game/game_core.h"
#include "widgets/click_label_qt.h"
#include "widgets/close_guard_qt.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"
#include "widgets/window_frame_qt.h"
#include "world/city_table.h"

namespace korvalin {

namespace {

constexpr QRgb ActionPanelColour = 0x282C28;
constexpr QRgb DestinationColour = 0xA80054;

constexpr QPoint Panel1Origin(12, 95);
constexpr std::array<QPoint, 4> FootprintSpots = {QPoint(143, 64), QPoint(131, 44), QPoint(142, 23),
                                                  QPoint(132, 0)};
// SpeedButton1 .. SpeedButton12 inside CapitalPL.
constexpr std::array<QPoint, 12> ButtonSpots = {QPoint(7, 7),   QPoint(55, 7),   QPoint(87, 39),
                                                QPoint(87, 7),  QPoint(119, 39), QPoint(119, 7),
                                                QPoint(151, 7), QPoint(201, 39), QPoint(151, 39),
                                                QPoint(201, 7), QPoint(7, 39),   QPoint(55, 39)};
constexpr std::array<void (CapitalDlg::*)(), 12> ButtonClicks = {
    &CapitalDlg::OKBtnClick,   &CapitalDlg::openPartTimeJob,    &CapitalDlg::openShop,
    &CapitalDlg::openPawnShop, &CapitalDlg::openTelegramOffice, &CapitalDlg::openBank,
    &CapitalDlg::openDiary,    &CapitalDlg::openHelp,           &CapitalDlg::openWorldMap,
    &CapitalDlg::saveGameHere, &CapitalDlg::toggleEmbassies,    &CapitalDlg::visitJapaneseEmbassy};

// Destination button k (1..18): two columns of nine on the form.
QPoint destinationSpot(int k)
{
    const int row = (k - 1) % 9;
    const int left = k <= 9 ? 31 : 219;
    const int top = row == 0 ? 140 : row == 1 ? 164 : 190 + 25 * (row - 2);
    return QPoint(left, top) - Panel1Origin;
}

// A text wider than its place (Finland's two languages, Bosnia and
// Herzegovina's embassy) is narrowed to fit, as a font's condensed face
// would be, so that it shows whole.
QFont narrowedToFit(QFont font, const QString& text, int width)
{
    font.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    // The glyphs round to whole pixels: narrowed by the ratio, a text may
    // still stand out by a pixel or two.
    for (int stretch = 100 * width / std::max(needed, 1);
         needed > width && QFontMetrics(font).horizontalAdvance(text) > width; --stretch)
        font.setStretch(stretch);
    return font;
}

void showWhole(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setFont(narrowedToFit(label->font(), text, label->width()));
    label->setText(text);
}

// A destination's text has the button's width less the room of its mark.
void showWhole(QRadioButton* button, const QString& text)
{
    if (button->text() == text)
        return;
    button->setText(text);
    const int markRoom =
        button->sizeHint().width() - QFontMetrics(button->font()).horizontalAdvance(text);
    button->setFont(narrowedToFit(button->font(), text, button->width() - markRoom));
}

// The flag pictures live in their own window, created after this one.
QPixmap flagPicture(std::string_view name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* flags = qobject_cast<TFlagDlg*>(window))
            return flags->flag(name);
    }
    return {};
}

}  // namespace

TCapitalDlg::TCapitalDlg(GameCore& game, CapitalDlg& model)
    : GameDialog(game, WindowId::CapitalDlg), model_(model)
{
    // A dialog over the main window, which the window manager keeps above
    // it and the game's other windows without holding the player's other
    // programs behind it. With a close box: window managers that draw none
    // for a window also drop Alt+F4 for it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    // Leaving goes through the city's own handler, which checks the visa;
    // a window manager's close box and Alt+F4 ask the same.
    closeOnlyFromHandlers(this, [this] { run(&CapitalDlg::OKBtnClick); });
    setFont(pixelFont(12));

    buildStrip();
    buildInfoPanel();
    buildActionBar();
    buildDestinations();

    C_Timer = new QTimer(this);
    C_Timer->setObjectName(QStringLiteral("C_Timer"));
    C_Timer->setInterval(model_.C_TimerInterval);
    // Other windows change this screen too (the shop's map, the lost
    // passport's visa, a load's locked destinations): each tick shows all
    // of the model, not only the animation. The timer runs for the whole
    // game; while the screen is closed there is nothing to show, and the
    // showing itself brings it up to date.
    connect(C_Timer, &QTimer::timeout, this, [this] {
        model_.stepAnimations();
        C_Timer->setInterval(model_.C_TimerInterval);
        if (isVisible())
            sync();
    });
    C_Timer->start();

    model_.onHeightStep = [this] {
        applySize();
        repaint();
        if (model_.Height == CapitalDlg::UnfoldedHeight)
            keepUnfoldedOnScreen();
    };
    model_.FormCreate();
    retranslate();
    sync();
}

void TCapitalDlg::retranslate()
{
    for (std::size_t i = 0; i < factCaptions_.size(); ++i)
        showWhole(factCaptions_[i], qtr(capital_texts::FactCaptions[i]));
    for (std::size_t i = 0; i < speedButtons_.size(); ++i)
        speedButtons_[i]->setToolTip(qtr(capital_texts::Hints[i]));
    Label1->setText(qtr(capital_texts::Heading));
    Button7->setText(qtr(capital_texts::Button7Caption));
    OKBtn->setText(qtr(capital_texts::OkCaption));
    CancelBtn->setText(qtr(capital_texts::CancelCaption));
    if (picturesDrawn_)
        drawActionGlyphs();
    model_.retranslate();
}

void TCapitalDlg::buildStrip()
{
    Image1 = new ClickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 5, 120, 80);
    Image1->onClick = [this](Qt::MouseButton) { run(&CapitalDlg::showFacts); };

    for (std::size_t i = 0; i < footprints_.size(); ++i) {
        auto* foot = new QLabel(this);
        foot->setObjectName(QStringLiteral("Asi%1").arg(i + 1));
        foot->setGeometry(QRect(FootprintSpots[i], QSize(27, 27)));
        footprints_[i] = foot;
    }

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 91, 403, 300);
}

void TCapitalDlg::buildInfoPanel()
{
    InfoPanel = new ClickLabel(this);
    InfoPanel->setObjectName(QStringLiteral("InfoPanel"));
    InfoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    InfoPanel->setGeometry(8, 5, 161, 81);
    fillBackground(InfoPanel, palette().color(QPalette::Window));
    InfoPanel->onClick = [this](Qt::MouseButton) { run(&CapitalDlg::InfoPanelClick); };
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const int top = 3 + 15 * static_cast<int>(i);
        auto* caption = new QLabel(InfoPanel);
        caption->setObjectName(QStringLiteral("Label%1").arg(i + 3));
        caption->setGeometry(6, top, 30, 15);
        factCaptions_[i] = caption;
        values_[i] = new QLabel(InfoPanel);
        values_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 8));
        values_[i]->setGeometry(38, top, 120, 15);
    }
}

void TCapitalDlg::buildActionBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("CapitalPL"));
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->setLineWidth(4);
    bar->setGeometry(174, 6, 237, 76);
    fillBackground(bar, QColor(ActionPanelColour));
    // Raised when up, sunk when down, as the game's square tool buttons look.
    bar->setStyleSheet(
        QStringLiteral("QToolButton { border: 2px outset #f4f4f4; background: #e4e4e4; }"
                       "QToolButton:checked { border: 2px inset #808080; background: #b4b4b4; }"));

    for (std::size_t i = 0; i < speedButtons_.size(); ++i) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setGeometry(QRect(ButtonSpots[i], QSize(30, 30)));
        button->setIconSize(QSize(24, 24));
        // Down is the grouped button's lasting pressed look, not a click under way.
        button->setCheckable(true);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this,
                [this, click = ButtonClicks[i]] { run(click); });
        speedButtons_[i] = button;
    }
}

void TCapitalDlg::buildDestinations()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(QRect(Panel1Origin, QSize(395, 291)));
    fillBackground(Panel1, QColor(model_.Panel1Color));

    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(20, 8, 250, 25);
    fillBackground(Label1, Qt::black);
    setTextColour(Label1, Qt::white);

    for (std::size_t i = 0; i < radioButtons_.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        auto* button = new QRadioButton(Panel1);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(k));
        button->setAutoExclusive(false);
        button->setGeometry(QRect(destinationSpot(k), QSize(166, 17)));
        QPalette colours = button->palette();
        colours.setColor(QPalette::Window, QColor(DestinationColour));
        colours.setColor(QPalette::WindowText, QColor(colors::Aqua));
        // A destination no longer open after the visa greys out.
        colours.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
        button->setPalette(colours);
        button->setBackgroundRole(QPalette::Window);
        button->setAutoFillBackground(true);
        button->hide();
        if (k <= MaxDestinations) {
            connect(button, &QRadioButton::clicked, this,
                    [this, k] { run([k](CapitalDlg& m) { m.chooseDestination(k); }); });
        }
        radioButtons_[i] = button;
    }

    Button7 = new QPushButton(Panel1);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button7->setGeometry(QRect(QPoint(303, 108) - Panel1Origin, QSize(89, 25)));
    connect(Button7, &QPushButton::clicked, this, [this] { run(&CapitalDlg::obtainVisa); });

    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(82, 271, 300, 15);
    setTextColour(Label2, Qt::yellow);

    // The form's own OK and Cancel stay hidden; the action bar does their work.
    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->hide();
    connect(OKBtn, &QPushButton::clicked, this, [this] { run(&CapitalDlg::OKBtnClick); });
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->hide();
    connect(CancelBtn, &QPushButton::clicked, this, [this] { run(&CapitalDlg::CancelBtnClick); });
}

template <typename Handler>
void TCapitalDlg::run(Handler handler)
{
    if constexpr (std::is_member_function_pointer_v<Handler>)
        (model_.*handler)();
    else
        handler(model_);
    sync();
}

// The player may move the window; only its size follows the model.
void TCapitalDlg::applySize()
{
    setFixedSize(model_.Width - FrameWidth, model_.Height - FrameHeight);
}

void TCapitalDlg::sync()
{
    const std::string& city = game_.state.toshi;
    setWindowTitle(city.empty() ? windowCaption(WindowId::CapitalDlg) : qtr(city));
    applySize();
    syncFlag();
    InfoPanel->setVisible(model_.InfoPanelVisible);
    for (std::size_t i = 0; i < values_.size(); ++i)
        showWhole(values_[i], qtext(model_.InfoValues[i]));
    for (std::size_t i = 0; i < speedButtons_.size(); ++i) {
        speedButtons_[i]->setEnabled(model_.actionEnabled(static_cast<int>(i) + 1));
        speedButtons_[i]->setChecked(model_.SpeedButtons[i].Down);
    }
    for (std::size_t i = 0; i < radioButtons_.size(); ++i) {
        const CapitalDlg::RadioButton& state = model_.RadioButtons[i];
        showWhole(radioButtons_[i], qtext(state.Caption));
        radioButtons_[i]->setVisible(state.Visible);
        const int k = static_cast<int>(i) + 1;
        radioButtons_[i]->setEnabled(model_.destinationEnabled(k));
        radioButtons_[i]->setChecked(game_.state.destination == k);
    }
    Button7->setVisible(game_.state.visaToGet);
    Label2->setText(qtext(model_.Label2Caption));
    syncAnimation();
}

// The picture stays as it was when the country has none.
void TCapitalDlg::syncFlag()
{
    if (model_.FlagName == shownFlag_)
        return;
    const QPixmap flag = flagPicture(model_.FlagName);
    if (flag.isNull())
        return;
    Image1->setPixmap(flag);
    shownFlag_ = model_.FlagName;
}

void TCapitalDlg::syncAnimation()
{
    const QColor pulse(model_.Panel1Color);
    if (Panel1->palette().color(QPalette::Window) != pulse)
        fillBackground(Panel1, pulse);
    for (std::size_t i = 0; i < footprints_.size(); ++i)
        footprints_[i]->setVisible(model_.visibleFootprint == static_cast<int>(i) + 1);
}

// The screen's pictures are drawn when it first opens, not while the game
// starts, where their 52 drawings would hold up the first window.
void TCapitalDlg::drawPictures()
{
    if (picturesDrawn_)
        return;
    picturesDrawn_ = true;
    for (std::size_t i = 0; i < footprints_.size(); ++i)
        footprints_[i]->setPixmap(footprintPicture(static_cast<int>(i) + 1));
    drawActionGlyphs();
}

void TCapitalDlg::drawActionGlyphs()
{
    for (std::size_t i = 0; i < speedButtons_.size(); ++i)
        speedButtons_[i]->setIcon(actionGlyph(static_cast<int>(i) + 1));
}

// Unfolding grows the screen downwards from where it stands, which may run
// the list off the screen's bottom. Where the game cannot move its windows,
// the screen is shown anew at its full height, and the compositor places it
// where it fits.
void TCapitalDlg::keepUnfoldedOnScreen()
{
    if (windowsPlaceable() || !isVisible())
        return;
    showingAgain_ = true;
    hide();
    show();
    showingAgain_ = false;
}

void TCapitalDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && !showingAgain_) {
        drawPictures();
        // The city's hints, like every hint from now on, show on aqua.
        QPalette hints = QToolTip::palette();
        hints.setColor(QPalette::ToolTipBase, QColor(colors::Aqua));
        hints.setColor(QPalette::ToolTipText, Qt::black);
        QToolTip::setPalette(hints);
        model_.FormShow();
    }
    GameDialog::showEvent(event);
}

QPoint TCapitalDlg::frameSpot()
{
    return {model_.Left, model_.Top};
}

void TCapitalDlg::done(int result)
{
    model_.FormClose();
    GameDialog::done(result);
}

// The pressed look follows the pointer over the action bar.
bool TCapitalDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        const auto it = std::ranges::find(speedButtons_, watched);
        if (it != speedButtons_.end()) {
            const int k = static_cast<int>(it - speedButtons_.begin()) + 1;
            run([k](CapitalDlg& m) { m.hoverActionButton(k); });
        }
    }
    return GameDialog::eventFilter(watched, event);
}

}  // namespace korvalin

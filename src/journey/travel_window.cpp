#include "journey/travel_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

#include "game/game_core.h"
#include "game/language.h"
#include "maps/place_names.h"
#include "widgets/bitmap_qt.h"
#include "widgets/close_guard_qt.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"
#include "widgets/window_frame_qt.h"

namespace korvalin {

namespace {

constexpr qint64 NanosecondsPerMs = 1'000'000;
// The places of the country, the mode and the day in the status bar.
constexpr int CountryLeft = 159;
constexpr int ModeLeft = 276;
constexpr int DayLeft = 404;

Travel::MouseButton buttonOf(Qt::MouseButton button)
{
    switch (button) {
        case Qt::RightButton:
            return Travel::MouseButton::Right;
        case Qt::MiddleButton:
            return Travel::MouseButton::Middle;
        default:
            return Travel::MouseButton::Left;
    }
}

int virtualKeyOf(int qtKey)
{
    switch (qtKey) {
        case Qt::Key_Left:
            return Travel::VK_LEFT;
        case Qt::Key_Up:
            return Travel::VK_UP;
        case Qt::Key_Right:
            return Travel::VK_RIGHT;
        case Qt::Key_Down:
            return Travel::VK_DOWN;
        default:
            return qtKey & 0xFFFF;
    }
}

QLabel* statusLabel(QWidget* parent, const char* name, int left, int pixels, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(pixelFont(pixels, bold));
    label->move(left, 4);
    label->adjustSize();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A place name with the room two kanji have beside them in their panel.
int fittingWidth(const QFontMetrics& metrics, const QString& text)
{
    constexpr int Margin = 4;
    return metrics.horizontalAdvance(text) + Margin;
}

// The tick runs every 10 ms at rest: a label is touched only when the model
// shows something new, since redrawing it each time costs more than the tick.
// True when the caption changed.
bool showLabel(QLabel* label, const Travel::Label& state, Travel::Label& shown)
{
    if (shown.fontColor != state.fontColor) {
        shown.fontColor = state.fontColor;
        setTextColour(label, QColor(state.fontColor));
    }
    if (shown.Caption == state.Caption)
        return false;
    shown.Caption = state.Caption;
    label->setText(qtext(state.Caption));
    label->adjustSize();
    return true;
}

}  // namespace

// The client area below the menu: the shown window of the view bitmap.
class TravelView : public QWidget {
public:
    TravelView(GameCore& game, Travel& model, QWidget* parent)
        : QWidget(parent), game_(game), model_(model)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Repaints only when the picture has changed since it was last shown.
    void present()
    {
        const auto& s = game_.state;
        const Frame frame{s.ScrollX, s.ScrollY, game_.view.revision()};
        if (frame == shown_)
            return;
        shown_ = frame;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        const Bitmap& pixels = game_.view.pixels();
        painter.drawImage(QPoint(0, 0), imageOf(pixels),
                          QRect(game_.state.ScrollX, game_.state.ScrollY, ViewBitmap::ShownWidth,
                                ViewBitmap::ShownHeight));
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        model_.FormMouseDown(buttonOf(event->button()), event->position().toPoint().x(),
                             event->position().toPoint().y());
        static_cast<TTravel*>(window())->sync();
    }

    void mouseReleaseEvent(QMouseEvent*) override
    {
        model_.FormMouseUp();
        static_cast<TTravel*>(window())->sync();
    }

private:
    struct Frame {
        int scrollX = -1;
        int scrollY = -1;
        unsigned revision = 0;
        bool operator==(const Frame&) const = default;
    };

    GameCore& game_;
    Travel& model_;
    Frame shown_;
};

// The status bar: a navy, lowered panel whose clicks go to the model.
class StatusPanel : public QFrame {
public:
    StatusPanel(Travel& model, QWidget* parent) : QFrame(parent), model_(model)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        fillBackground(this, QColor(colors::Navy));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        auto* travel = static_cast<TTravel*>(window());
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton && travel->Label1->geometry().contains(at))
            model_.pauseJourney();
        else if (event->button() == Qt::LeftButton && travel->Label6->geometry().contains(at))
            model_.openHelp();
        else
            model_.pressStatusBar(buttonOf(event->button()));
        travel->sync();
    }

    void mouseDoubleClickEvent(QMouseEvent*) override
    {
        model_.openWorldMap();
        static_cast<TTravel*>(window())->sync();
    }

private:
    Travel& model_;
};

// The hiker marker: a silver square holding a dark grey square and, on top,
// the square whose colour tells the travel mode.
class HikerMarker : public QWidget {
public:
    explicit HikerMarker(QWidget* parent) : QWidget(parent) { setFixedSize(14, 14); }

    // A press on the marker is the marker's own; it names no place.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }

    void setShape1Color(std::uint32_t color)
    {
        if (color == color_)
            return;
        color_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(colors::Silver));
        painter.fillRect(2, 2, 10, 10, QColor(48, 44, 48));
        painter.fillRect(4, 4, 9, 9, QColor(color_));
    }

private:
    std::uint32_t color_ = colors::Purple;
};

TTravel::TTravel(GameCore& game, Travel& model) : QWidget(nullptr), game_(game), model_(model)
{
    setFont(pixelFont(12));
    fillBackground(this, Qt::black);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);

    // One empty item; GameStyle keeps a lone Alt from handing it the keyboard.
    menuBar_ = new QMenuBar(this);
    menuBar_->addAction(QString());
    const int menuHeight = QFontMetrics(menuBar_->font()).height() + 8;
    menuBar_->setGeometry(0, 0, ClientWidth, menuHeight);
    setFixedSize(ClientWidth, menuHeight + ClientHeight);

    view_ = new TravelView(game, model, this);
    view_->setGeometry(0, menuHeight, ClientWidth, ClientHeight);

    Panel1 = new StatusPanel(model, view_);
    Panel1->setGeometry(0, ClientHeight - 23, ClientWidth, 23);
    Label1 = statusLabel(Panel1, "Label1", 2, 12, true);
    Label4 = statusLabel(Panel1, "Label4", 68, 12, false);
    Label5 = statusLabel(Panel1, "Label5", CountryLeft, 12, false);
    Label3 = statusLabel(Panel1, "Label3", ModeLeft, 12, false);
    Label2 = statusLabel(Panel1, "Label2", DayLeft, 13, true);
    Label6 = statusLabel(Panel1, "Label6", 441, 16, true);
    Label6->move(441, 1);
    // Under the pointer itself, so that its own hint shows rather than the
    // panel's; a label takes no click, so its clicks still reach the panel.
    Label6->setAttribute(Qt::WA_TransparentForMouseEvents, false);

    Panel2 = new HikerMarker(view_);
    Panel2->move(226, 210);

    HintLabel = new QLabel(view_);
    HintLabel->setAlignment(Qt::AlignCenter);
    HintLabel->setFont(pixelFont(12));
    fillBackground(HintLabel, Qt::black);
    setTextColour(HintLabel, QColor(colors::Silver));
    HintLabel->hide();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TTravel::tick);

    model_.FormCreate();
    retranslate();
    pace_.start();
    scheduleTick(pace_.nsecsElapsed());
}

// The main window's frame stands in the screen's top-left corner.
void TTravel::setVisible(bool visible)
{
    if (visible && !isVisible())
        placeFrame(this, {0, 0});
    QWidget::setVisible(visible);
}

void TTravel::sync()
{
    const Travel& model = model_;
    bool changed = showLabel(Label1, model.Label1, shownLabels_[0]);
    changed |= showLabel(Label2, model.Label2, shownLabels_[1]);
    changed |= showLabel(Label3, model.Label3, shownLabels_[2]);
    changed |= showLabel(Label4, model.Label4, shownLabels_[3]);
    // The country is the saved game's key, kept in Japanese.
    changed |= showLabel(
        Label5, {std::string(korvalin::tr(game_.state.countryCaption)), Travel::Label5Color},
        shownLabels_[4]);
    changed |= showLabel(Label6, model.Label6, shownLabels_[5]);
    if (changed) {
        placeLabels();
        emit statusChanged();
    }
    Panel2->setShape1Color(model.Shape1Color);

    showHint(model.HintPanel);
    view_->present();
    showTitle();
}

std::vector<std::string> TTravel::statusCaptions() const
{
    std::vector<std::string> captions;
    for (int i : {0, 3, 4, 2, 1, 5})
        captions.push_back(shownLabels_[static_cast<std::size_t>(i)].Caption);
    return captions;
}

// A caption wider than its room (a long English country name) pushes the
// next one to the right, a gap clear of it. From day 100 the day is wider
// than the room before the ？: it grows to the left instead, a gap short of
// it.
void TTravel::placeLabels()
{
    constexpr int Gap = 4;
    const auto clearOf = [](const QLabel* label) { return label->x() + label->width() + Gap; };
    Label5->move(std::max(CountryLeft, clearOf(Label4)), Label5->y());
    Label3->move(std::max(ModeLeft, clearOf(Label5)), Label3->y());
    Label2->move(std::min(DayLeft, Label6->x() - Gap - Label2->width()), Label2->y());
}

// The place-name panel is touched only when it changes, as the labels are.
void TTravel::showHint(const Travel::HintPanelState& hint)
{
    if (hint == shownHint_)
        return;
    shownHint_ = hint;
    if (hint.Visible && hint.Width > 0) {
        const QString caption = qtext(hint.Caption);
        const int width = std::max(hint.Width, fittingWidth(HintLabel->fontMetrics(), caption));
        const int left = hint.EndsAtPointer ? hint.Left + hint.Width - width : hint.Left;
        HintLabel->setText(caption);
        HintLabel->setGeometry(left, hint.Top, width, HintPanelHeight);
        HintLabel->show();
    } else {
        HintLabel->hide();
    }
}

// The marquee creeps along the caption by leading blanks, one a tick, and
// every window manager but weston trims them: the player sees a still
// title, yet each change has the desktop redraw the title bar, which on
// some costs a quarter of a core. The desktop is given the caption as it
// would show it, and only when that changes.
void TTravel::showTitle()
{
    const std::string_view caption = model_.Caption;
    const std::string_view shown =
        caption.substr(std::min(caption.find_first_not_of(' '), caption.size()));
    if (shown == givenTitle_)
        return;
    givenTitle_ = shown;
    setWindowTitle(qtext(givenTitle_));
}

void TTravel::tick()
{
    const qint64 due = nextTickDue_;
    model_.advanceJourney();
    sync();
    scheduleTick(due);
}

// A tick that comes late (a modal window held the loop) is not caught up
// in a burst: the next one is due no earlier than now.
void TTravel::scheduleTick(qint64 start)
{
    const qint64 now = pace_.nsecsElapsed();
    nextTickDue_ = std::max(start + model_.Timer1Interval * NanosecondsPerMs, now);
    const qint64 wait = nextTickDue_ - now + NanosecondsPerMs / 2;
    Timer1.start(static_cast<int>(wait / NanosecondsPerMs));
}

void TTravel::keyPressEvent(QKeyEvent* event)
{
    const int key = virtualKeyOf(event->key());
    if (key == pendingReleaseKey_ && event->timestamp() == pendingReleaseTime_)
        pendingReleaseKey_ = 0;  // the release was auto-repeat after all
    model_.FormKeyDown(key);
    sync();
}

void TTravel::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    pendingReleaseKey_ = virtualKeyOf(event->key());
    pendingReleaseTime_ = event->timestamp();
    QTimer::singleShot(0, this, [this, key = pendingReleaseKey_, time = pendingReleaseTime_] {
        deliverKeyUp(key, time);
    });
}

void TTravel::deliverKeyUp(int virtualKey, quint64 timestamp)
{
    if (pendingReleaseKey_ != virtualKey || pendingReleaseTime_ != timestamp)
        return;
    pendingReleaseKey_ = 0;
    model_.FormKeyUp(virtualKey);
    sync();
}

void TTravel::retranslate()
{
    Panel1->setToolTip(qtr(Travel::Panel1Hint));
    Label6->setToolTip(qtr(Travel::Label6Hint));
    model_.retranslate();
    sync();
}

void TTravel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            // Hints on the main window are yellow.
            QPalette tips = QToolTip::palette();
            tips.setColor(QPalette::ToolTipBase, Qt::yellow);
            QToolTip::setPalette(tips);
            QTimer::singleShot(0, this, [this] {
                model_.FormActivate();
                sync();
            });
        } else {
            model_.FormDeactivate();
            scheduleTick(pace_.nsecsElapsed());
        }
    }
    QWidget::changeEvent(event);
}

void TTravel::closeEvent(QCloseEvent* event)
{
    if (model_.FormCloseQuery()) {
        event->accept();
        quitProgram();
    } else {
        event->ignore();
    }
}

}  // namespace korvalin

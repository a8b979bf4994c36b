#include "endings/london_dlg_window.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "endings/journey_picture_qt.h"
#include "endings/london_picture_qt.h"
#include "game/game_core.h"
#include "widgets/click_label_qt.h"
#include "widgets/close_guard_qt.h"
#include "widgets/palette_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

namespace {

constexpr QPoint PicturePlace{76, 32};
constexpr int CircleSize = 30;
constexpr int BarHeight = 23;
constexpr int KeepPictureLeft = 340;
constexpr int BarMargin = 8;

struct Circle {
    QPoint place;
    QRgb colour;
};

// Label1 .. Label4, the words that fly in.
constexpr std::array<std::string_view, 4> WordCaptions = {
    LondonDlg::Label1Caption, LondonDlg::Label2Caption, LondonDlg::Label3Caption,
    LondonDlg::Label4Caption};

// S_1 .. S_7, in an arc over the picture.
constexpr std::array<Circle, 7> Circles{{
    {{78, 139}, colors::Blue},
    {{101, 82}, colors::Lime},
    {{151, 37}, colors::Yellow},
    {{223, 21}, colors::Red},
    {{298, 37}, colors::Purple},
    {{341, 86}, colors::Teal},
    {{357, 143}, colors::Aqua},
}};

// One of the animated words. "Congratulations!" stops over the dark river,
// where its purple alone would drown: it is ringed in the picture's
// lamplight, its margins keeping the ring inside the label.
class Word : public QLabel {
public:
    static constexpr int RingWidth = 3;

    Word(QWidget* parent, bool ringed) : QLabel(parent), ringed_(ringed)
    {
        if (ringed)
            setContentsMargins(RingWidth, RingWidth, RingWidth, RingWidth);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!ringed_) {
            QLabel::paintEvent(event);
            return;
        }
        QPainterPath outline;
        const QRect box = contentsRect();
        outline.addText(box.left(), box.top() + fontMetrics().ascent(), font(), text());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(outline, QPen(LondonLamplight, 2 * RingWidth, Qt::SolidLine,
                                         Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(outline, palette().color(QPalette::WindowText));
    }

private:
    bool ringed_;
};

// A caption is set only when it has changed: setting one costs a new layout.
void showLine(QLabel* label, const LondonDlg::Line& line, std::string& shown)
{
    if (shown != line.Caption) {
        shown = line.Caption;
        label->setText(qtext(line.Caption));
        label->adjustSize();
    }
    label->setVisible(line.Visible);
}

}  // namespace

TLondonDlg::TLondonDlg(GameCore& game, LondonDlg& model)
    : GameDialog(game, WindowId::LondonDlg), model_(model)
{
    // Kept on top, with no close box: the window is left through its bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowStaysOnTopHint);
    closeOnlyFromHandlers(this);
    setFixedSize(ClientSize, ClientSize);

    words_ = {word("Label1", 32, colors::Red), word("Label2", 32, colors::Yellow),
              word("Label3", 43, colors::Teal), word("Label4", 32, colors::Purple, true)};
    Label7 = word("Label7", 16, colors::White);
    Label7->move(99, 253);
    Label8 = word("Label8", 16, colors::White);
    Label8->move(99, 288);
    buildBar();
    retranslate();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(LondonDlg::TimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] {
        model_.stepCelebration();
        sync();
    });
}

QLabel* TLondonDlg::word(const char* name, int pixels, QRgb colour, bool ringed)
{
    auto* label = new Word(this, ringed);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(pixelFont(pixels));
    setTextColour(label, QColor(colour));
    label->hide();
    return label;
}

// The large words are measured when the window first opens: measuring them
// loads fonts of sizes that the start of the game has no use for.
void TLondonDlg::sizeTexts()
{
    if (textsSized_)
        return;
    textsSized_ = true;
    fitTexts();
}

// Every word and choice fits its text; a longer caption for keeping the
// picture moves left to stay in the bar.
void TLondonDlg::fitTexts()
{
    for (QLabel* word : words_)
        word->adjustSize();
    for (QLabel* choice : bar_->findChildren<QLabel*>()) {
        choice->adjustSize();
        choice->move(choice->x(), (BarHeight - choice->height()) / 2);
    }
    Label9->move(std::min(KeepPictureLeft, ClientSize - BarMargin - Label9->width()), Label9->y());
}

void TLondonDlg::retranslate()
{
    for (std::size_t i = 0; i < words_.size(); ++i)
        words_[i]->setText(qtr(WordCaptions[i]));
    Label5->setText(qtr(LondonDlg::Label5Caption));
    Label6->setText(qtr(LondonDlg::Label6Caption));
    Label9->setText(qtr(LondonDlg::Label9Caption));
    if (textsSized_)
        fitTexts();
}

void TLondonDlg::buildBar()
{
    bar_ = new QWidget(this);
    QWidget* bar = bar_;
    bar->setGeometry(0, ClientSize - BarHeight, ClientSize, BarHeight);
    fillBackground(bar, QColor(colors::Teal));
    const auto choice = [bar](const char* name, int left, QRgb colour,
                              std::function<void()> click) {
        auto* label = new ClickLabel(bar);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(pixelFont(15, true));
        setTextColour(label, QColor(colour));
        label->move(left, 0);
        label->onClick = [click = std::move(click)](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                click();
        };
        return label;
    };
    Label5 = choice("Label5", 148, colors::White, [this] { model_.playAgain(); });
    Label6 = choice("Label6", 272, colors::Yellow, [this] { model_.endJourney(); });
    Label9 = choice("Label9", KeepPictureLeft, colors::White, [this] { keepJourneyPicture(); });
}

// The player chooses where to keep the picture, starting in the pictures
// folder the desktop names, or at home when there is none yet.
void TLondonDlg::keepJourneyPicture()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        this, qtr(LondonDlg::Label9Caption),
        folder + QLatin1Char('/') + qtr(LondonDlg::PictureFileName), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    model_.journeyPictureSaved(path.toStdString(), saveJourneyPicture(game_, path));
    sync();
}

// Every showing starts the animation over.
void TLondonDlg::showEvent(QShowEvent* event)
{
    sizeTexts();
    model_.FormCreate();
    GameDialog::showEvent(event);
    Timer1->start();
}

void TLondonDlg::hideEvent(QHideEvent* event)
{
    Timer1->stop();
    GameDialog::hideEvent(event);
}

// The timer syncs every 10 ms: a caption is set and the backdrop drawn anew
// only when the model has changed them.
void TLondonDlg::sync()
{
    const std::array<const LondonDlg::Word*, 4> words = {&model_.Label1, &model_.Label2,
                                                         &model_.Label3, &model_.Label4};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words_[i]->move(words[i]->Left, words[i]->Top);
        words_[i]->setVisible(words[i]->Visible);
    }
    showLine(Label7, model_.Label7, shownLines_[0]);
    showLine(Label8, model_.Label8, shownLines_[1]);
    Label9->setVisible(model_.Label9Visible);
    const Backdrop backdrop{model_.Color, model_.CirclesVisible};
    if (backdrop != shownBackdrop_) {
        shownBackdrop_ = backdrop;
        update();
    }
}

void TLondonDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(model_.Color));
    // Drawn for the first arrival, not while the game starts.
    if (picture_.isNull())
        picture_ = londonPicture();
    painter.drawImage(PicturePlace, picture_);
    if (!model_.CirclesVisible)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    for (const Circle& circle : Circles) {
        painter.setBrush(QColor(circle.colour));
        painter.drawEllipse(QRect(circle.place, QSize(CircleSize, CircleSize)));
    }
}

}  // namespace korvalin

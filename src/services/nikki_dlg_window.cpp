#include "services/nikki_dlg_window.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

#include "game/game_core.h"
#include "widgets/diary_font_qt.h"
#include "widgets/palette_qt.h"
#include "widgets/program_icon_qt.h"
#include "widgets/text_qt.h"
#include "widgets/window_frame_qt.h"

namespace korvalin {

namespace {

constexpr QColor GreyishPurple{160, 144, 176};

// A change wider than this rebuilds the whole memo at once, which is
// cheaper than replacing so many lines one by one.
constexpr int LinesReplacedOneByOne = 64;

// The memo scrolls a whole line at a time, so a page that is not a whole
// number of lines high ends in a line cut in half: the pixels left over
// stay blank below the page instead. The lines' height is known once the
// text is laid out in the memo's font.
class DiaryPage : public QPlainTextEdit {
public:
    explicit DiaryPage(QWidget* parent) : QPlainTextEdit(parent)
    {
        setBackgroundRole(QPalette::Base);  // the blank below the page is paper too
        setAutoFillBackground(true);
        connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                this, &DiaryPage::fitWholeLines);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QPlainTextEdit::resizeEvent(event);
        fitWholeLines();
    }

private:
    void fitWholeLines()
    {
        const QTextBlock first = document()->firstBlock();
        const int line = qRound(blockBoundingRect(first).height()) / std::max(1, first.lineCount());
        const int page = viewport()->height() + viewportMargins().bottom();
        if (line > 0 && page % line != viewportMargins().bottom())
            setViewportMargins(0, 0, 0, page % line);
    }
};

}  // namespace

TNikkiDlg::TNikkiDlg(GameCore& game, NikkiDlg& model)
    : FixedTextsDialog(game, WindowId::NikkiDlg), model_(model)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    fillBackground(this, GreyishPurple);

    Memo1 = new DiaryPage(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus);  // not on the Tab key's round
    // A long line goes on below itself rather than past the window's edge.
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setUndoRedoEnabled(false);
    Memo1->setFont(diaryFont());
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->installEventFilter(this);

    auto* bar = new QWidget(this);
    bar->setFixedHeight(BarHeight);
    auto* icon = new QLabel(bar);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setFixedSize(IconSize, IconSize);
    icon->setPixmap(programIcon(IconSize));
    auto* close = new QPushButton(bar);
    setFixedText(close, NikkiDlg::Button1Caption);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, [this] { model_.closeDiary(); });
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 2, 6, 2);
    barLayout->addWidget(icon);
    barLayout->addStretch();
    barLayout->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1);
    layout->addWidget(bar);

    game_.diary.setObserver([this](int first, int last) {
        // An open diary follows the journey as it is written.
        if (isVisible()) {
            showLines(first, last);
            showNewestLine();
        } else {
            stale_ = true;
        }
    });
    retranslate();
}

TNikkiDlg::~TNikkiDlg()
{
    game_.diary.setObserver({});
}

// The bounds are the frame's, as the main window's are: sizing only the
// inside to them would push the right border past the screen's edge.
void TNikkiDlg::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        model_.FormShow(screen ? screen->geometry().width() : 0);
        const auto& g = model_.Geometry;
        const QMargins frame = windowFrame(this);
        resize(g.Width - frame.left() - frame.right(), g.Height - frame.top() - frame.bottom());
    }
    FixedTextsDialog::setVisible(visible);
}

QPoint TNikkiDlg::frameSpot()
{
    return {model_.Geometry.Left, model_.Geometry.Top};
}

// The diary opens at today's line, with the keys on the page.
void TNikkiDlg::showEvent(QShowEvent* event)
{
    if (stale_)
        showAllLines();
    FixedTextsDialog::showEvent(event);
    showNewestLine();
    Memo1->setFocus();
}

void TNikkiDlg::sync()
{
    // Titled by the player's name once shown, by the window table before.
    const std::string& caption = model_.Caption;
    setWindowTitle(caption.empty() ? windowCaption(WindowId::NikkiDlg) : qtext(caption));
}

// The newest line is the last one written; the lines below it are still
// blank, so it stands at the foot of the page.
void TNikkiDlg::showNewestLine()
{
    showLine(std::min(game_.state.dd, Diary::LineCount - 1));
}

// A line wrapped in two or more is shown from its start to its end.
void TNikkiDlg::showLine(int line)
{
    const QTextBlock block = Memo1->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    Memo1->setTextCursor(cursor);
    Memo1->ensureCursorVisible();
    cursor.movePosition(QTextCursor::EndOfBlock);
    Memo1->setTextCursor(cursor);
    Memo1->ensureCursorVisible();
}

// Ctrl+Home goes to the first line and Ctrl+End to the newest, not to the
// blank lines after it; the page keys scroll as in any memo.
bool TNikkiDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Home) {
            showLine(0);
            return true;
        }
        if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_End) {
            showNewestLine();
            return true;
        }
    }
    return FixedTextsDialog::eventFilter(watched, event);
}

void TNikkiDlg::showAllLines()
{
    const auto& lines = game_.diary.lines();
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        text.append(qtext(line));
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    stale_ = false;
}

void TNikkiDlg::showLines(int first, int last)
{
    if (last - first >= LinesReplacedOneByOne) {
        showAllLines();
        return;
    }
    QTextDocument* document = Memo1->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (int i = first; i <= last; ++i) {
        const QTextBlock block = document->findBlockByNumber(i);
        if (!block.isValid())
            continue;
        cursor.setPosition(block.position());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(qtext(game_.diary.get(i)));
    }
    cursor.endEditBlock();
}

}  // namespace korvalin

#include "services/nikki_dlg_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/game.h"
#include "app/palette_qt.h"
#include "app/program_icon_qt.h"
#include "app/text_qt.h"
#include "services/diary_font_qt.h"

namespace korvalin {

namespace {

constexpr QColor GreyishPurple{160, 144, 176};

// A change wider than this rebuilds the whole memo at once, which is
// cheaper than replacing so many lines one by one.
constexpr int LinesReplacedOneByOne = 64;

}  // namespace

TNikkiDlg::TNikkiDlg(Game& game) : GameDialog(game, WindowId::NikkiDlg)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    fillBackground(this, GreyishPurple);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus);  // not on the Tab key's round
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setUndoRedoEnabled(false);
    Memo1->setFont(diaryFont());

    auto* bar = new QWidget(this);
    bar->setFixedHeight(BarHeight);
    auto* icon = new QLabel(bar);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setFixedSize(IconSize, IconSize);
    icon->setPixmap(programIcon(IconSize));
    auto* close = new QPushButton(qtext(NikkiDlg::Button1Caption), bar);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, [this] { game_.NikkiDlg.Button1Click(); });
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
        if (isVisible())
            showLines(first, last);
        else
            stale_ = true;
    });
}

TNikkiDlg::~TNikkiDlg()
{
    game_.diary.setObserver({});
}

// Placed before it comes on screen: a window that has never been shown is
// then put there by its frame, which until then only the window manager
// knows.
void TNikkiDlg::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        game_.NikkiDlg.FormShow(screen ? screen->geometry().width() : 0);
        place();
    }
    GameDialog::setVisible(visible);
}

void TNikkiDlg::showEvent(QShowEvent* event)
{
    if (stale_)
        showAllLines();
    GameDialog::showEvent(event);
    fitFrame();
}

// The window manager's frame, once known, moves the window.
void TNikkiDlg::moveEvent(QMoveEvent* event)
{
    GameDialog::moveEvent(event);
    fitFrame();
}

// A first opening was sized before its frame was known; it is placed again
// for the frame it turned out to have.
void TNikkiDlg::fitFrame()
{
    if (isVisible() && frameGeometry().size() - size() != placedFrame_)
        place();
}

void TNikkiDlg::sync()
{
    setWindowTitle(qtext(game_.NikkiDlg.Caption));
}

// The bounds are the frame's, as the main window's are: placing only the
// inside there would push the title bar off the top of the screen and the
// right border past its edge.
void TNikkiDlg::place()
{
    const auto& g = game_.NikkiDlg.Geometry;
    placedFrame_ = frameGeometry().size() - size();
    move(g.Left, g.Top);
    resize(g.Width - placedFrame_.width(), g.Height - placedFrame_.height());
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

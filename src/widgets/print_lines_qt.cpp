#include "widgets/print_lines_qt.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "widgets/diary_font_qt.h"
#include "widgets/text_qt.h"

namespace korvalin {

bool printLines(QPrinter& printer, std::span<const std::string> lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFont font = diaryPrintFont();
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int lineHeight = metrics.lineSpacing();
    int top = 0;
    for (const std::string& line : lines) {
        // A line goes on the next page unless all of it fits on this one.
        if (top > 0 && top + lineHeight > pageHeight) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), qtext(line));
        top += lineHeight;
    }
    return painter.end();
}

}  // namespace korvalin

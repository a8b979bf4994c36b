#include "widgets/diary_font_qt.h"

#include "widgets/text_qt.h"

namespace korvalin {

namespace {

constexpr int DiaryPixels = 12;
constexpr qreal ScreenDotsPerInch = 96;
constexpr qreal PointsPerInch = 72;

}  // namespace

// The game's own font, which names the Gothic directly: naming it by its
// Windows name would make Qt search for it anew while the game starts.
QFont diaryFont()
{
    return pixelFont(DiaryPixels);
}

QFont diaryPrintFont()
{
    QFont font = diaryFont();
    font.setPointSizeF(DiaryPixels * PointsPerInch / ScreenDotsPerInch);
    return font;
}

}  // namespace korvalin

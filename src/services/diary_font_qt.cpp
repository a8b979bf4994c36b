#include "services/diary_font_qt.h"

#include "app/text_qt.h"

namespace korvalin {

namespace {

constexpr int DiaryPixels = 12;
constexpr qreal ScreenDotsPerInch = 96;
constexpr qreal PointsPerInch = 72;

}  // namespace

QFont diaryFont()
{
    QFont font(qtext(GameFontFamily));
    font.setPixelSize(DiaryPixels);
    return font;
}

QFont diaryPrintFont()
{
    QFont font = diaryFont();
    font.setPointSizeF(DiaryPixels * PointsPerInch / ScreenDotsPerInch);
    return font;
}

}  // namespace korvalin

#pragma once

#include <QApplication>
#include <QFont>
#include <QString>

#include <string_view>

#include "game/language.h"

namespace korvalin {

// The game's proportional Gothic, by the name its windows ask for; the
// platform substitutes a font it has.
inline constexpr std::string_view GameFontFamily = "ＭＳ Ｐゴシック";

// The game's UTF-8 texts as Qt strings.
inline QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the game as Qt shows it, in the language of play.
inline QString qtr(std::string_view japanese)
{
    return qtext(tr(japanese));
}

// The game's font at a height in pixels, as its windows size their texts.
inline QFont pixelFont(int pixels, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace korvalin

#include "widgets/desktop_fonts_qt.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace korvalin {

// The game's own Gothic where Windows has it, else the Japanese fonts later
// Windows ships; under Wine, the host's IPA fonts.
QString gameFontFamily()
{
    const QStringList installed = QFontDatabase::families();
    constexpr std::array Preferred = {"MS PGothic", "ＭＳ Ｐゴシック", "IPAPGothic", "Meiryo",
                                      "Yu Gothic", "MS Gothic"};
    for (const char* family : Preferred) {
        if (installed.contains(QString::fromUtf8(family)))
            return QString::fromUtf8(family);
    }
    return QStringLiteral("MS PGothic");
}

}  // namespace korvalin

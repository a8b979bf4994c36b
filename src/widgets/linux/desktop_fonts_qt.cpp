#include "widgets/desktop_fonts_qt.h"

namespace korvalin {

// Debian's IPA fonts have the proportional Gothic the layouts were measured
// with.
QString gameFontFamily()
{
    return QStringLiteral("IPAPGothic");
}

}  // namespace korvalin

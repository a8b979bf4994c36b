#pragma once

#include <QFont>

namespace korvalin {

// The diary's 12-pixel proportional Gothic, on screen and on paper.
QFont diaryFont();

// The same font for a printer: sized in points as it looks on a 96-dpi
// screen, since a printer's pixels are far smaller.
QFont diaryPrintFont();

}  // namespace korvalin

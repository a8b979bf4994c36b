#include "widgets/font_warmup_qt.h"

namespace korvalin {

// Windows keeps its fonts known to every program: nothing to read first.
FontWarmUp::FontWarmUp() = default;

FontWarmUp::~FontWarmUp() = default;

void FontWarmUp::wait() {}

}  // namespace korvalin

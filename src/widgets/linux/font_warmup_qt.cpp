#include "widgets/font_warmup_qt.h"

#include <fontconfig/fontconfig.h>

namespace korvalin {

FontWarmUp::FontWarmUp() : reader_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (reader_.joinable())
        reader_.join();
}

}  // namespace korvalin

#include "journey/status_captions.h"

#include <charconv>

#include "game/game_state.h"

namespace korvalin {

namespace {

// The status bar is rewritten on every tick, so the numbers go
// straight into the caption without temporaries.
void appendNumber(std::string& text, int value)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

}  // namespace

std::string moneyCaption(int yen)
{
    std::string caption;
    appendNumber(caption, yen / 10000);
    caption += "万";
    appendNumber(caption, yen % 10000);
    caption += "円";
    return caption;
}

std::string dayCaption(int minutes)
{
    std::string caption;
    appendNumber(caption, minutes / MinutesPerDay);
    caption += "日";
    return caption;
}

}  // namespace korvalin

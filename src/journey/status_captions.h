#pragma once

#include <string>

namespace korvalin {

// Money as the status bar shows it, in the language of play: 123456 yen is
// "12万3456円" ("123,456 yen"), 50005 yen "5万5円".
std::string moneyCaption(int yen);

// The day number of the game clock (minutes), as "12日" ("Day 12").
std::string dayCaption(int minutes);

}  // namespace korvalin

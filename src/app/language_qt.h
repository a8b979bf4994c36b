#pragma once

#include <QStringList>

#include <filesystem>
#include <optional>

#include "game/language.h"

namespace korvalin {

// The language a start plays in: the one the command line names
// (--language en), else the one the player chose last time, else Japanese,
// whatever the desktop's locale. Nothing when the command line names a
// language the game does not have; the message says why.
struct StartingLanguage {
    std::optional<Language> language;
    QString message;
};
StartingLanguage startingLanguage(const QStringList& arguments);

// The player's choice, kept in $XDG_CONFIG_HOME/korvalin/, never in the
// saved game.
void rememberLanguage(Language language);

}  // namespace korvalin

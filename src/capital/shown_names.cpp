#include "capital/shown_names.h"

#include "capital/capital_texts.h"
#include "game/language.h"

namespace korvalin {

std::string embassyName(std::string_view country)
{
    // The catalogue knows each embassy by its whole Japanese name.
    const std::string japanese = std::string(country) + std::string(capital_texts::EmbassySuffix);
    return std::string(tr(japanese));
}

}  // namespace korvalin

#include "game/catalogue.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <system_error>

namespace korvalin {

namespace {

const std::string Domain(CatalogueDomain);

}  // namespace

bool openCatalogue(const std::filesystem::path& catalogues, std::string_view languageCode)
{
    // gettext takes a missing catalogue for one without translations.
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(cataloguePath(catalogues, languageCode), ignored))
        return false;
    bindtextdomain(Domain.c_str(), catalogues.c_str());
    bind_textdomain_codeset(Domain.c_str(), "UTF-8");
    // gettext picks the catalogue by LANGUAGE, whatever the player's locale,
    // but ignores it under the plain C locale; setting the locale also
    // empties gettext's cache of earlier answers.
    setenv("LANGUAGE", std::string(languageCode).c_str(), 1);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    return catalogueText("") != nullptr;  // the catalogue's header: without it nothing was read
}

// Through dgettext alone, which tools/texts_template replaces to hear every
// text the game asks for.
const char* catalogueText(const std::string& key)
{
    const char* found = dgettext(Domain.c_str(), key.c_str());
    return found == key.c_str() ? nullptr : found;
}

}  // namespace korvalin

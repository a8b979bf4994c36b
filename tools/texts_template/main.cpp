// Writes the template every catalogue in po/ is merged from (po/korvalin.pot)
// to standard output: the texts the game asks its catalogue for while it
// lists every text it can show or write, and those the sources hand to tr()
// or qtr() by name, each with the places in src/ where it stands.
//
//   usage: texts_template <src folder> <po folder>
//
// The catalogues in po/ say only which texts they keep under a context the
// code merely offers. scripts/update-texts.sh runs this and merges.
#include <libintl.h>

#include <iostream>

#include "capital/shown_names.h"
#include "catalogue_file.h"
#include "game/language.h"
#include "game_texts.h"
#include "text_template.h"
#include "world/city_table.h"

namespace {

korvalin::AskedTexts* listener = nullptr;

}  // namespace

// The game reaches its catalogue through gettext's dgettext alone: this
// program's own takes its place, and hears every text asked for.
extern "C" char* dgettext(const char*, const char* key) noexcept
{
    const char* answer = listener ? listener->answer(key) : nullptr;
    return const_cast<char*>(answer ? answer : key);
}

int main(int argc, char* argv[])
{
    using namespace korvalin;
    if (argc != 3) {
        std::cerr << "usage: texts_template <src folder> <po folder>\n";
        return 2;
    }
    std::set<TextKey> keptApart;
    for (const SourceFile& catalogue : filesUnder(argv[2], {".po"})) {
        for (const CatalogueEntry& entry : readCatalogue(catalogue.text)) {
            if (!entry.context.empty() && !entry.obsolete)
                keptApart.insert({entry.context, entry.id});
        }
    }
    AskedTexts asked(std::move(keptApart));
    listener = &asked;
    // Any language but Japanese makes the game ask; its catalogue only has
    // to be there.
    if (!useLanguage(Language::English, KORVALIN_CATALOGUES)) {
        std::cerr << "texts_template: no catalogue in " << KORVALIN_CATALOGUES << '\n';
        return 1;
    }
    gameTexts();
    // The list names each embassy as the visa lines do; its button may
    // spell the country in full.
    for (const CityRow& row : CityTable) {
        for (std::string_view country : row.destinations())
            embassyName(country);
    }
    if (asked.keys().empty()) {
        std::cerr << "texts_template: the game asked for no text\n";
        return 1;
    }
    const TextTemplate made = textTemplate(asked.keys(), filesUnder(argv[1], {".cpp", ".h"}));
    for (const TextKey& key : made.unplaced)
        std::cerr << "texts_template: found nowhere in " << argv[1] << ": " << key.context
                  << (key.context.empty() ? "" : " | ") << key.id << '\n';
    std::cout << made.pot;
    return made.unplaced.empty() && std::cout ? 0 : 1;
}

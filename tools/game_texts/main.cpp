// Prints every text the game can show or write, one a line in UTF-8, with
// the place it belongs to: the list a translation starts from. Given a
// language's code (`game_texts en`), prints them as that language's
// catalogue has them, from the build's catalogues, so a translator sees
// what is still Japanese.
#include <iostream>

#include "game/language.h"
#include "game_texts.h"

int main(int argc, char* argv[])
{
    using namespace korvalin;
    if (argc > 1) {
        const std::optional<Language> language = languageOfCode(argv[1]);
        if (!language || !useLanguage(*language, KORVALIN_CATALOGUES)) {
            std::cerr << "game_texts: no catalogue for \"" << argv[1] << "\"\n";
            return 2;
        }
    }
    std::cout << gameTextListing();
    return std::cout ? 0 : 1;
}

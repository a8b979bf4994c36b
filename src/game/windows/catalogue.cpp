#include "game/catalogue.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "game/mo_catalogue.h"

namespace korvalin {

namespace {

// Windows has no gettext: the game reads its catalogue itself.
std::optional<MoCatalogue> inUse;

}  // namespace

bool openCatalogue(const std::filesystem::path& catalogues, std::string_view languageCode)
{
    std::ifstream file(cataloguePath(catalogues, languageCode), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::optional<MoCatalogue> read = MoCatalogue::read(bytes);
    if (!file || !read || !read->find(""))
        return false;
    inUse = std::move(read);
    return true;
}

const char* catalogueText(const std::string& key)
{
    return inUse ? inUse->find(key) : nullptr;
}

}  // namespace korvalin

#include "capital/country_facts.h"

namespace korvalin {

const CountryFacts* factsByMainCode(std::uint8_t)
{
    return nullptr;
}

}  // namespace korvalin

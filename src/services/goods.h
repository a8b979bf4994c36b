#pragma once

#include <array>
#include <string_view>

#include "game/game_state.h"

namespace korvalin {

// A good of the shop or the pawn shop: the row's caption, its price (or what
// the pawn shop pays), the GameState flag that says it is owned, and the
// diary line of the deal.
struct Good {
    std::string_view caption;
    int price;
    bool GameState::*owned;
    std::string_view diaryLine;
};

// The shop's five rows, with the hint each row shows (the last has none).
struct ShopGood {
    Good good;
    std::string_view hint;
};
extern const std::array<ShopGood, 5> ShopGoods;

// The special good a city offers in the shop's sixth row.
struct CityGood {
    std::string_view city;  // the capital screen's caption
    Good good;
};
extern const std::array<CityGood, 7> ShopCityGoods;

// The pawn shop's five rows, at half the shop's price.
extern const std::array<Good, 5> PawnGoods;
// The souvenirs a city's pawn shop pays dearly for, in its sixth box.
extern const std::array<CityGood, 4> PawnCityGoods;

// The good `city` trades in its sixth row, or nothing.
template <std::size_t N>
const CityGood* cityGood(const std::array<CityGood, N>& goods, std::string_view city)
{
    for (const CityGood& g : goods) {
        if (g.city == city)
            return &g;
    }
    return nullptr;
}

}  // namespace korvalin

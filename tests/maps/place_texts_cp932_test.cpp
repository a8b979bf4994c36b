// Every name the travel view and the overview map show must exist in the
// game's code page.
#include <gtest/gtest.h>

#include "game/window_id.h"
#include "maps/place_names.h"
#include "save/cp932.h"
#include "support/shift_jis.h"
#include "world/region_table.h"

namespace korvalin {
namespace {

TEST(PlaceTextsCp932Test, EveryPlaceNameRoundTrips)
{
    std::vector<std::string_view> texts{OpenSea.name,
                                        WindowTable[static_cast<int>(WindowId::WorldMap)].caption};
    for (const Region& region : Regions) {
        texts.push_back(region.name);
        texts.push_back(region.capital);
    }
    for (const WaterBox& water : Waters)
        texts.push_back(water.place.name);
    for (const PlaceName& city : CityNames)
        texts.push_back(city.name);
    for (std::string_view text : texts)
        expectShiftJisRoundTrip(text);
    // Half-width kana keep one byte each: 日本 takes four, ｱﾙﾌﾟｽ five.
    EXPECT_EQ(toCp932(std::string(Regions[1].name)).value().size(), 9u);
}

}  // namespace
}  // namespace korvalin

#include "endings/journey_picture.h"

#include <algorithm>

#include "game/game_core.h"
#include "game/language.h"
#include "maps/place_names.h"
#include "title/help_dlg.h"
#include "world/city_table.h"

namespace korvalin {

namespace {

std::string_view courseCaption(const GameState& s)
{
    return s.Level1   ? Courses[0].caption
           : s.Level2 ? Courses[1].caption
           : s.Level3 ? Courses[2].caption
                      : std::string_view{};
}

}  // namespace

std::vector<std::string> capitalsPassed(std::span<const TrailCell> trail)
{
    std::vector<std::string> names;
    for (const TrailCell& cell : trail) {
        const CityRow* city = cityAt(cell.x, cell.y);
        if (city == nullptr || !isCapitalRow(*city))
            continue;
        const std::string name(cityName(*city));
        if (std::ranges::find(names, name) == names.end())
            names.push_back(name);
    }
    return names;
}

JourneyPictureTexts journeyPictureTexts(const GameCore& game)
{
    const GameState& s = game.state;
    JourneyPictureTexts texts;
    texts.headline = fill(tr("%1さんの旅　%2　%3日でロンドン到着"), s.Namae, tr(courseCaption(s)),
                          s.dayNumber());
    std::string names;
    for (const std::string& name : capitalsPassed(game.trail.cells()))
        names += (names.empty() ? "" : std::string(tr("・"))) + std::string(shownCityName(name));
    texts.capitals = fill(tr("通った首都：%1"), names);
    return texts;
}

}  // namespace korvalin

#include "endings/journey_picture.h"

#include <algorithm>

#include "session/game.h"
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

JourneyPictureTexts journeyPictureTexts(const Game& game)
{
    const GameState& s = game.state;
    JourneyPictureTexts texts;
    texts.headline = s.Namae + "さんの旅　" + std::string(courseCaption(s)) + "　" +
                     std::to_string(s.dayNumber()) + "日でロンドン到着";
    texts.capitals = "通った首都：";
    const std::vector<std::string> names = capitalsPassed(game.trail.cells());
    for (std::size_t i = 0; i < names.size(); ++i)
        texts.capitals += (i == 0 ? "" : "・") + names[i];
    return texts;
}

}  // namespace korvalin

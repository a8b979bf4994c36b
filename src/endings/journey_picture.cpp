#include "endings/journey_picture.h"

#include <algorithm>

#include "game/language.h"
#include "session/game.h"
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

// A capital's name in the language of play; a capital that shares its
// country's name is told apart by its own entry.
std::string_view capitalInLanguage(std::string_view name)
{
    const std::string_view city = tr("city", name);
    return city != name ? city : tr(name);
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
    texts.headline = fill(tr("%1さんの旅　%2　%3日でロンドン到着"), s.Namae, tr(courseCaption(s)),
                          s.dayNumber());
    std::string names;
    for (const std::string& name : capitalsPassed(game.trail.cells()))
        names +=
            (names.empty() ? "" : std::string(tr("・"))) + std::string(capitalInLanguage(name));
    texts.capitals = fill(tr("通った首都：%1"), names);
    return texts;
}

}  // namespace korvalin

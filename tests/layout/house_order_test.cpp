// The folders under src/ stand on one another in a fixed order, and nothing
// in a lower folder includes a higher one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace korvalin {
namespace {

// From the ground up: the world, the game's state, its files; the Qt helpers;
// the screens; the game that holds every screen; the shell. Only the game
// and the shell see every screen: a screen knows the core and its own model.
constexpr std::string_view HouseOrder[] = {
    "world",   "game",     "save",  "widgets", "maps",    "journey",
    "capital", "services", "title", "endings", "session", "app",
};

std::size_t floorOf(std::string_view folder)
{
    return std::ranges::find(HouseOrder, folder) - std::begin(HouseOrder);
}

TEST(HouseOrder, NoFileIncludesAFolderAboveItsOwn)
{
    const std::filesystem::path src =
        std::filesystem::path(KORVALIN_TESTS_DIR).parent_path() / "src";
    ASSERT_TRUE(std::filesystem::is_directory(src)) << src;
    const std::regex include(R"re(#include "(([a-z_]+)/[^"]+)".*)re");

    std::vector<std::string> wrong;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".h" && extension != ".cpp")
            continue;
        const std::filesystem::path file = entry.path().lexically_relative(src);
        const std::size_t own = floorOf(file.begin()->string());
        if (own == std::size(HouseOrder))
            wrong.push_back(file.string() + " lies outside the house order");
        std::ifstream in(entry.path());
        std::smatch match;
        for (std::string line; std::getline(in, line);) {
            if (!std::regex_match(line, match, include))
                continue;
            const std::string included = match[1];
            if (floorOf(match[2].str()) > own)
                wrong.push_back(file.string() + " includes " + included);
        }
    }
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

}  // namespace
}  // namespace korvalin

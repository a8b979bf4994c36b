#include "title/help_pages.h"

#include <algorithm>

#include "game/language.h"

namespace korvalin {

std::string helpPageContext(std::size_t index)
{
    return "help page " + std::to_string(index);
}

std::string helpPageBody(std::size_t index)
{
    const auto& body = HelpPages[index].body;
    std::size_t written = body.size();
    while (written > 0 && body[written - 1].empty())
        --written;
    std::string joined;
    for (std::size_t i = 0; i < written; ++i) {
        if (i > 0)
            joined += '\n';
        joined += body[i];
    }
    return joined;
}

std::array<std::string, 9> helpPageLines(std::size_t index)
{
    const std::string body = helpPageBody(index);
    const std::string_view shown = tr(helpPageContext(index), body);
    std::array<std::string, 9> lines;
    std::size_t start = 0;
    for (std::string& line : lines) {
        if (start > shown.size())
            break;
        const std::size_t end = std::min(shown.find('\n', start), shown.size());
        line = shown.substr(start, end - start);
        start = end + 1;
    }
    return lines;
}

}  // namespace korvalin

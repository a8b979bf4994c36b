#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvalin {

// One page of the manual in the title/help window: the purple title line and
// the nine white body lines below it. Unused lines stay empty, so showing a
// page always overwrites whatever the previous page left on screen.
struct HelpPage {
    std::string_view title;
    std::array<std::string_view, 9> body;
};

// Index 0 is page 1; pages 1 to 3 are the untitled introduction and page 4
// is the contents page.
extern const std::array<HelpPage, 45> HelpPages;

// The catalogue keeps the pages' titles under this context, apart from the
// same words on the contents page.
inline constexpr std::string_view HelpTitleContext = "help title";

// A page's body is translated whole, since a language breaks its lines
// where its own words need: the key is the page's lines up to its last
// written one, joined by line breaks, under the context "help page <index>".
std::string helpPageContext(std::size_t index);
std::string helpPageBody(std::size_t index);

// The nine body lines of page `index` in the language of play.
std::array<std::string, 9> helpPageLines(std::size_t index);

// The contents page lists these lines; a click on one of them is honoured only
// while the line on screen still reads exactly like this.
inline constexpr std::array<std::string_view, 8> ContentsEntries = {
    "1: ｹﾞｰﾑの目的と開始",
    "2: 移動の仕方",
    "3: ビザの取り方とアルバイト",
    "4: 買い物と質屋",
    "5: 電報局と銀行",
    "6: 日記帳",
    "7: 地形",
    "8: その他",
};

// Page number (1-based) on which each contents entry's section begins.
inline constexpr std::array<std::uint8_t, 8> ContentsJumpTargets = {5, 12, 19, 25, 31, 33, 35, 36};

}  // namespace korvalin

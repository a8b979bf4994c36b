#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/shift_jis.h"
#include "title/help_pages.h"

namespace korvalin {
namespace {

constexpr std::size_t LastPage = 45;

// The diary's first page and the single terrain page carry the bare entry.
constexpr std::array<std::size_t, 2> PagesTitledByEntryAlone = {33, 35};

const HelpPage& page(std::size_t number)
{
    return HelpPages.at(number - 1);
}

// Width as the help window lays it out: ASCII and half-width katakana take
// one column, everything else two. Body lines start at x = 79, so sixty
// columns of the 12-pixel font are all the window has room for.
std::size_t displayWidth(std::string_view utf8)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        width += (code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F)) ? 1 : 2;
        i += length;
    }
    return width;
}

std::string_view firstLine(const HelpPage& p)
{
    return p.body.front();
}

std::string_view lastUsedLine(const HelpPage& p)
{
    for (auto it = p.body.rbegin(); it != p.body.rend(); ++it) {
        if (!it->empty()) {
            return *it;
        }
    }
    return {};
}

std::vector<std::string_view> allTexts()
{
    std::vector<std::string_view> texts;
    for (const HelpPage& p : HelpPages) {
        texts.push_back(p.title);
        texts.insert(texts.end(), p.body.begin(), p.body.end());
    }
    return texts;
}

TEST(HelpPages, ContentsEntriesAreTheEightSectionsWithTheirFirstPages)
{
    const std::array<std::string_view, 8> expected = {
        "1: ｹﾞｰﾑの目的と開始",
        "2: 移動の仕方",
        "3: ビザの取り方とアルバイト",
        "4: 買い物と質屋",
        "5: 電報局と銀行",
        "6: 日記帳",
        "7: 地形",
        "8: その他",
    };
    EXPECT_EQ(ContentsEntries, expected);
    const std::array<std::uint8_t, 8> targets = {5, 12, 19, 25, 31, 33, 35, 36};
    EXPECT_EQ(ContentsJumpTargets, targets);
}

TEST(HelpPages, IntroductionPagesHaveNoTitle)
{
    for (std::size_t number = 1; number <= 3; ++number) {
        EXPECT_EQ(page(number).title, "") << "page " << number;
    }
}

TEST(HelpPages, FirstPageHasSixLinesThenThreeEmpty)
{
    for (std::size_t line = 0; line < 9; ++line) {
        EXPECT_EQ(page(1).body[line].empty(), line >= 6) << "line " << line + 1;
    }
}

TEST(HelpPages, ContentsPageListsTheEntriesAndLeavesTheNinthLineEmpty)
{
    EXPECT_EQ(page(4).title, "目次");
    for (std::size_t line = 0; line < ContentsEntries.size(); ++line) {
        EXPECT_EQ(page(4).body[line], ContentsEntries[line]) << "line " << line + 1;
    }
    EXPECT_EQ(page(4).body[8], "");
}

// Section pages carry the contents entry and their number within the section.
TEST(HelpPages, SectionPagesAreTitledByEntryAndNumber)
{
    for (std::size_t section = 0; section < ContentsEntries.size(); ++section) {
        const std::size_t first = ContentsJumpTargets[section];
        const std::size_t last = section + 1 < ContentsJumpTargets.size()
                                     ? ContentsJumpTargets[section + 1] - 1
                                     : LastPage;
        for (std::size_t number = first; number <= last; ++number) {
            std::string expected = std::string(ContentsEntries[section]) + "(" +
                                   std::to_string(number - first + 1) + ")";
            if (std::find(PagesTitledByEntryAlone.begin(), PagesTitledByEntryAlone.end(), number) !=
                PagesTitledByEntryAlone.end()) {
                expected = ContentsEntries[section];
            }
            EXPECT_EQ(page(number).title, expected) << "page " << number;
        }
    }
    EXPECT_EQ(page(33).title, "6: 日記帳");
    EXPECT_EQ(page(34).title, "6: 日記帳(2)");
    EXPECT_EQ(page(35).title, "7: 地形");
    EXPECT_EQ(page(45).title, "8: その他(10)");
}

struct FixedLine {
    std::size_t page;
    std::string_view text;
};

TEST(HelpPages, FixedLinesStandWholeOnTheirPages)
{
    const FixedLine fixedLines[] = {
        {.page = 2, .text = "ロンドンに辿り着けるでしょうか"},
        {.page = 8, .text = "　　難易度を選択します。大王コースは最初の所持金が２０万円"},
        {.page = 9, .text = "    コースを選択したら、「Start」ボタンを押してください。"},
        {.page = 22, .text = "　 ビザの発行手数料は一律的に 2000円です。"},
        {.page = 35, .text = "　 標高2000m以上の主たる山脈が立体表示されています。"},
    };
    for (const FixedLine& fixed : fixedLines) {
        const auto& body = page(fixed.page).body;
        EXPECT_TRUE(std::find(body.begin(), body.end(), fixed.text) != body.end())
            << "page " << fixed.page << ": " << fixed.text;
    }
}

TEST(HelpPages, EveryPageSaysSomething)
{
    for (std::size_t number = 1; number <= LastPage; ++number) {
        EXPECT_FALSE(firstLine(page(number)).empty()) << "page " << number;
    }
}

TEST(HelpPages, NoLineIsWiderThanTheWindow)
{
    for (std::string_view text : allTexts()) {
        EXPECT_LE(displayWidth(text), 60u) << text;
    }
}

TEST(HelpPages, WidthCountsHalfWidthKanaAsOneColumn)
{
    EXPECT_EQ(displayWidth("ｹﾞｰﾑ"), 4u);
    EXPECT_EQ(displayWidth("ゲーム"), 6u);
    EXPECT_EQ(displayWidth("a: 2000円"), 9u);
}

// Paragraphs open with two full-width spaces, or one and a half-width
// space, or four half-width spaces; any other leading blank is a slip.
TEST(HelpPages, IndentedLinesUseAParagraphIndent)
{
    for (const HelpPage& p : HelpPages) {
        for (std::string_view line : p.body) {
            if (!line.starts_with(" ") && !line.starts_with("　")) {
                continue;
            }
            const bool paragraph =
                line.starts_with("　　") || line.starts_with("　 ") || line.starts_with("    ");
            EXPECT_TRUE(paragraph) << line;
            EXPECT_FALSE(line.starts_with("　　　") || line.starts_with("　  ") ||
                         line.starts_with("     "))
                << line;
        }
    }
}

// A sentence cut at the foot of a page ends with "…" and picks up with "…"
// at the top of the next, so the reader sees that it goes on.
TEST(HelpPages, BrokenSentencesContinueOnTheNextPage)
{
    const std::size_t continued[] = {7, 10, 13, 14, 17, 19, 21, 23, 26, 27, 31, 36, 38, 39, 43};
    for (std::size_t number : continued) {
        EXPECT_TRUE(lastUsedLine(page(number)).ends_with("…")) << "page " << number;
    }
    for (std::size_t number = 1; number < LastPage; ++number) {
        EXPECT_EQ(lastUsedLine(page(number)).ends_with("…"),
                  firstLine(page(number + 1)).starts_with("…"))
            << "pages " << number << " and " << number + 1;
    }
}

TEST(HelpPages, EveryLineSurvivesTheRoundTripThroughCodePage932)
{
    for (std::string_view text : allTexts())
        expectShiftJisRoundTrip(text);
}

}  // namespace
}  // namespace korvalin

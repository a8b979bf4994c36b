#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/startup_error.h"
#include "save/cp932.h"

namespace korvalin {
namespace {

std::string bytes(std::initializer_list<unsigned char> list)
{
    return std::string(list.begin(), list.end());
}

struct Encoding {
    const char* text;
    std::string cp932;
};

class Cp932BytesTest : public ::testing::TestWithParam<Encoding> {};

TEST_P(Cp932BytesTest, EncodesAsWindowsDoesAndReadsBack)
{
    const auto encoded = toCp932(GetParam().text);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(*encoded, GetParam().cp932);
    EXPECT_EQ(fromCp932(*encoded), std::string(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    GameTexts, Cp932BytesTest,
    ::testing::Values(Encoding{"ﾊﾞｰｼﾞｮﾝ", bytes({0xCA, 0xDE, 0xB0, 0xBC, 0xDE, 0xAE, 0xDD})},
                      Encoding{"k㎡", bytes({'k', 0x87, 0x75})},
                      Encoding{"　　金沢出発", bytes({0x81, 0x40, 0x81, 0x40, 0x8B, 0xE0, 0x91,
                                                      0xF2, 0x8F, 0x6F, 0x94, 0xAD})},
                      Encoding{"日記", bytes({0x93, 0xFA, 0x8B, 0x4C})},
                      Encoding{"Korvalin ver 2.6", "Korvalin ver 2.6"},
                      Encoding{"～", bytes({0x81, 0x60})}, Encoding{"C:\\", "C:\\"}));

struct OtherForm {
    const char* text;
    std::string cp932;
    const char* readBack;
};

class Cp932OtherFormsTest : public ::testing::TestWithParam<OtherForm> {};

// Characters with a JIS form and a Microsoft form are written as the one
// Microsoft byte pair whichever a text holds, and read back as the
// Microsoft form; what the code page has no place for is refused. Linux's
// iconv and Windows's own converter give these same bytes.
TEST_P(Cp932OtherFormsTest, WriteTheBytesLinuxWritesAndReadBackAsMicrosoftsForm)
{
    const std::optional<std::string> encoded = toCp932(GetParam().text);
    if (!GetParam().readBack) {
        EXPECT_EQ(encoded, std::nullopt);
        return;
    }
    ASSERT_TRUE(encoded);
    EXPECT_EQ(*encoded, GetParam().cp932);
    EXPECT_EQ(fromCp932(*encoded), std::string(GetParam().readBack));
}

INSTANTIATE_TEST_SUITE_P(
    BothForms, Cp932OtherFormsTest,
    ::testing::Values(
        OtherForm{"〜", bytes({0x81, 0x60}), "～"}, OtherForm{"～", bytes({0x81, 0x60}), "～"},
        OtherForm{"−", bytes({0x81, 0x7C}), "－"}, OtherForm{"－", bytes({0x81, 0x7C}), "－"},
        OtherForm{"‖", bytes({0x81, 0x61}), "∥"}, OtherForm{"∥", bytes({0x81, 0x61}), "∥"},
        OtherForm{"¢", bytes({0x81, 0x91}), "￠"}, OtherForm{"￠", bytes({0x81, 0x91}), "￠"},
        OtherForm{"£", bytes({0x81, 0x92}), "￡"}, OtherForm{"￡", bytes({0x81, 0x92}), "￡"},
        OtherForm{"¬", bytes({0x81, 0xCA}), "￢"}, OtherForm{"￢", bytes({0x81, 0xCA}), "￢"},
        OtherForm{"—", bytes({0x81, 0x5C}), "―"}, OtherForm{"―", bytes({0x81, 0x5C}), "―"},
        OtherForm{"¥", "\\", "\\"}, OtherForm{"￥", bytes({0x81, 0x8F}), "￥"},
        OtherForm{"‾", "~", "~"}, OtherForm{"≒", bytes({0x81, 0xE0}), "≒"},
        OtherForm{"∵", bytes({0x81, 0xE6}), "∵"}, OtherForm{"ⅰ", bytes({0xFA, 0x40}), "ⅰ"},
        OtherForm{"￤", bytes({0xFA, 0x55}), "￤"}, OtherForm{"\u0080", "", nullptr},
        OtherForm{"\uF8F0", "", nullptr}, OtherForm{"–", "", nullptr},
        OtherForm{"©", "", nullptr}));

// A name or a diary line of more than 512 bytes takes the converter more
// than one buffer's round, and its characters straddle the rounds.
TEST(Cp932Test, ATextLongerThanOneBufferConvertsWholeBothWays)
{
    std::string text = "k", cp932 = "k";
    for (int i = 0; i < 300; ++i) {
        text += "日記";
        cp932 += bytes({0x93, 0xFA, 0x8B, 0x4C});
    }
    EXPECT_EQ(toCp932(text), cp932);
    EXPECT_EQ(fromCp932(cp932), text);
}

TEST(Cp932Test, EveryTextOfTheShellEncodes)
{
    for (const char* text : {"Korvalinを終了しますか？",
                             "           Korvalin起動中",
                             "少々お待ちください",
                             "右：ﾊﾞｰｼﾞｮﾝ情報、ダブル：WorldMap",
                             "左：ヘルプ",
                             "海上通過",
                             "1日目　（日本）",
                             "　　金沢出発　　　",
                             "ﾀﾞｲｱﾛｸﾞ",
                             "ロンドン到着！！",
                             "ﾊﾟｽﾎﾟｰﾄ紛失",
                             "買い物",
                             "質屋",
                             "電報送信",
                             "電報局",
                             "電報受信",
                             "銀行",
                             "ﾊﾟｽﾜｰﾄﾞ ﾀﾞｲｱﾛｸﾞ",
                             "日記",
                             "電報"}) {
        const auto encoded = toCp932(text);
        ASSERT_TRUE(encoded) << text;
        EXPECT_EQ(fromCp932(*encoded), std::string(text)) << text;
    }
}

TEST(Cp932Test, TheTileSheetMessagesEncode)
{
    for (const std::string& text :
         {tileSheetMessage(TileSheetFault::Missing,
                           {"/home/虹子/Map25.BMP", "/usr/share/korvalin/Map25.BMP"}),
          tileSheetMessage(TileSheetFault::Unreadable, {"Map25.BMP"}),
          tileSheetMessage(TileSheetFault::Broken, {"Map25.BMP"})}) {
        const auto encoded = toCp932(text);
        ASSERT_TRUE(encoded) << text;
        EXPECT_EQ(fromCp932(*encoded), text);
    }
}

TEST(Cp932Test, TextsOutsideTheCodePageGiveNoResult)
{
    EXPECT_FALSE(toCp932("한국"));  // Hangul is not in code page 932
    EXPECT_FALSE(toCp932("\xFF"));  // not UTF-8 at all
}

TEST(Cp932Test, BrokenShiftJisGivesNoResult)
{
    EXPECT_FALSE(fromCp932(bytes({0x93})));        // a lead byte cut off
    EXPECT_FALSE(fromCp932(bytes({0x81, 0x20})));  // a trail byte out of range
    EXPECT_FALSE(fromCp932(bytes({0x80})));        // no character in iconv's table
    EXPECT_FALSE(fromCp932(bytes({0xA0})));
}

}  // namespace
}  // namespace korvalin

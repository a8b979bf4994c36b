#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "journey/arrival_spots.h"
#include "journey/country_entry_table.h"
#include "journey/diary_texts.h"
#include "save/cp932.h"
#include "support/shift_jis.h"
#include "world/country_table.h"

namespace korvalin {
namespace {

constexpr Direction Directions[] = {Direction::North, Direction::South, Direction::West,
                                    Direction::East};

// --- Arrival spots ---

TEST(ArrivalSpotsTest, Counts)
{
    EXPECT_EQ(CapitalSpots.size(), 76u);
    EXPECT_EQ(CitySpots.size(), 23u);
    EXPECT_EQ(CapitalSpots.front().name, "北京");
    EXPECT_EQ(CitySpots.front().name, "大阪");
}

struct StepCase {
    std::string_view spot;
    Direction step;
    bool enters;
};

class CapitalStepTest : public testing::TestWithParam<StepCase> {};

// The hiker stands on the cell from which a step in the given direction leads
// into the capital.
TEST_P(CapitalStepTest, EntersOnlyByTheSpotsDirections)
{
    const StepCase& c = GetParam();
    const auto spot = std::ranges::find(CapitalSpots, c.spot, &Spot::name);
    ASSERT_NE(spot, CapitalSpots.end());
    int x = spot->x;
    int y = spot->y;
    switch (c.step) {
        case Direction::North:
            ++y;
            break;
        case Direction::South:
            --y;
            break;
        case Direction::West:
            ++x;
            break;
        default:
            --x;
            break;
    }
    EXPECT_EQ(spotEntered(CapitalSpots, x, y, c.step), c.enters ? &*spot : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Capitals, CapitalStepTest,
                         testing::Values(StepCase{"ローマ", Direction::North, true},
                                         StepCase{"ローマ", Direction::West, true},
                                         StepCase{"ローマ", Direction::South, false},
                                         StepCase{"ローマ", Direction::East, false},
                                         StepCase{"マスカット", Direction::South, false},
                                         StepCase{"マスカット", Direction::North, true},
                                         StepCase{"マスカット", Direction::East, true},
                                         StepCase{"マスカット", Direction::West, false},
                                         StepCase{"東京", Direction::South, true},
                                         StepCase{"東京", Direction::West, true}));

TEST(ArrivalSpotsTest, TheStepMustLeadIntoTheSpot)
{
    // Beside Tokyo (245, 118) but stepping away from it, or standing still.
    EXPECT_EQ(spotEntered(CapitalSpots, 246, 118, Direction::East), nullptr);
    EXPECT_EQ(spotEntered(CapitalSpots, 246, 118, Direction::None), nullptr);
    EXPECT_EQ(spotEntered(CapitalSpots, 245, 118, Direction::West), nullptr);
    EXPECT_EQ(spotEntered(CitySpots, 245, 118, Direction::West), nullptr);
    const Spot* osaka = spotEntered(CitySpots, 241, 125, Direction::West);
    ASSERT_NE(osaka, nullptr);
    EXPECT_EQ(osaka->name, "大阪");
}

TEST(ArrivalSpotsTest, LondonIsEnteredFromAllFourSides)
{
    const std::span<const Spot> london(&LondonCell, 1);
    EXPECT_EQ(spotEntered(london, 54, 38, Direction::North), &LondonCell);
    EXPECT_EQ(spotEntered(london, 54, 36, Direction::South), &LondonCell);
    EXPECT_EQ(spotEntered(london, 55, 37, Direction::West), &LondonCell);
    EXPECT_EQ(spotEntered(london, 53, 37, Direction::East), &LondonCell);
    EXPECT_EQ(spotEntered(london, 53, 37, Direction::North), nullptr);
}

// --- Country entry table ---

TEST(CountryEntryTableTest, RowsAreTriedInRegionOrder)
{
    EXPECT_EQ(CountryEntryTable.size(), 79u);
    EXPECT_TRUE(
        std::ranges::is_sorted(CountryEntryTable, std::ranges::less{}, &CountryEntry::entry));
    EXPECT_EQ(CountryEntryTable.front().caption, "日本");
    EXPECT_EQ(CountryEntryTable.back().caption, "アイルランド");
}

// Every country row is the main region of the country of the same name;
// only Taiwan, which is never a destination, is recognised by its cells.
TEST(CountryEntryTableTest, RowsAreTheCountriesMainRegions)
{
    for (const CountryEntry& row : CountryEntryTable) {
        if (row.caption == "台湾") {
            EXPECT_EQ(row.test, EntryTest::Cell);
            continue;
        }
        const CountryRow* country = findCountry(row.caption);
        ASSERT_NE(country, nullptr) << row.caption;
        EXPECT_EQ(country->entries[0], row.entry) << row.caption;
        EXPECT_EQ(row.test, row.caption == "日本" ? EntryTest::Cell : EntryTest::PP) << row.caption;
    }
}

TEST(CountryEntryTableTest, EntryLinesAreStandardWithThreeExceptionsAndFourSilentCountries)
{
    std::vector<std::string_view> silent;
    for (const CountryEntry& row : CountryEntryTable) {
        if (row.entryLine.empty()) {
            silent.push_back(row.caption);
        } else if (row.caption == "イギリス") {
            EXPECT_EQ(row.entryLine, "　　やった！ついにイギリスだ。");
        } else if (row.caption == "ボスニア・ヘルツェゴビナ") {
            EXPECT_EQ(row.entryLine, "　　ボスニアに入国。");
        } else {
            EXPECT_EQ(row.entryLine, "　　" + std::string(row.caption) + "に入国。");
        }
    }
    EXPECT_EQ(silent,
              (std::vector<std::string_view>{"日本", "台湾", "シンガポール", "アイルランド"}));
}

TEST(CountryEntryTableTest, ThePlacardLowersOnlyTheHardestOdds)
{
    std::vector<std::string_view> unchanged;
    for (const CountryEntry& row : CountryEntryTable) {
        if (row.oddsWithCard == 0) {
            EXPECT_EQ(row.oddsWithoutCard, 0) << row.caption;
            unchanged.push_back(row.caption);
            continue;
        }
        const std::pair odds{row.oddsWithCard, row.oddsWithoutCard};
        const bool lowered =
            odds == std::pair{40, 80} || odds == std::pair{20, 40} || odds == std::pair{20, 30};
        EXPECT_TRUE(odds.first == odds.second || lowered) << row.caption;
    }
    EXPECT_EQ(unchanged, (std::vector<std::string_view>{"台湾", "シンガポール", "アイルランド"}));
    const auto odds = [](std::string_view caption) {
        const auto row = std::ranges::find(CountryEntryTable, caption, &CountryEntry::caption);
        return std::pair{row->oddsWithCard, row->oddsWithoutCard};
    };
    EXPECT_EQ(odds("ロシア"), (std::pair{40, 80}));
    EXPECT_EQ(odds("バングラデシュ"), (std::pair{1, 1}));
    EXPECT_EQ(odds("エストニア"), (std::pair{20, 30}));
    EXPECT_EQ(odds("日本"), (std::pair{2, 2}));
}

// --- Diary texts ---

TEST(DiaryTextsTest, SouthLineSevenHasAnAlternativeBesideJapan)
{
    EXPECT_EQ(vehicleLine(Direction::South, 7, false),
              "　　軍用トラックの荷台に乗せてもらう。機関銃を枕に熟睡。");
    EXPECT_EQ(vehicleLine(Direction::South, 7, true),
              "　　宅急便の助手席に乗せてもらう。途中、配達を手伝わされた。");
    EXPECT_EQ(vehicleLine(Direction::South, 6, true),
              "　　サーカスのケバケバトラックに乗せてもらう。");
    for (Direction d : {Direction::North, Direction::West, Direction::East}) {
        EXPECT_EQ(vehicleLine(d, 7, true), textsFor(d).vehicle[7]);
        EXPECT_TRUE(textsFor(d).vehicle7BesideJapan.empty());
    }
    EXPECT_EQ(vehicleLine(Direction::East, 0, false),
              "　　美人ドライバーの運転するトラックの荷台に乗せてもらう。埃まみれの香水の匂い。");
}

TEST(DiaryTextsTest, TheSecondShipGoingSouthIsNamedAfterThePlayer)
{
    EXPECT_EQ(shipLine(Direction::South, 1, "たろう"), "　　たろう丸に乗船。名前はいいがボロ船。");
    EXPECT_EQ(
        shipLine(Direction::South, 0, "たろう"),
        "　　クウィーンエリザベス号・・・には、ほど遠いボロ船に乗船。滅茶苦茶揺れ、地獄の船酔い。");
    EXPECT_EQ(shipLine(Direction::North, 1, "たろう"), "　　乗船。鏡のような海だ。");
    EXPECT_EQ(shipLine(Direction::East, 1, ""), "　　乗船。あっけないほど静かな海だ。");
}

TEST(DiaryTextsTest, EachDirectionHasItsOwnTexts)
{
    EXPECT_EQ(textsFor(Direction::North).climbing, "　　山登り・・・疲れた");
    EXPECT_EQ(textsFor(Direction::West).normal.walking[0],
              "　　車止まらず。ヒッチハイクになんないよ。");
    EXPECT_EQ(textsFor(Direction::East).refused.horse, "　　馬上の人。痔になりそう。");
    EXPECT_EQ(textsFor(Direction::South).refused.christmas, "　　あああクリスマスだー！");
    EXPECT_EQ(textsFor(Direction::North).normal.newYear, "　　げ、旅先で正月を迎えてしまった。");
    for (Direction d : Directions) {
        EXPECT_EQ(textsFor(d).refused.walking[1], "　　ヒッチハイク出来ず。野宿。");
    }
    EXPECT_EQ(textsFor(Direction::North).normal.walking[1], "　　ヒッチハイク出来ず。");
    EXPECT_THROW(textsFor(Direction::None), std::out_of_range);
}

struct DateCase {
    std::string_view date;
    std::optional<Occasion> occasion;
};

class SpecialDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(SpecialDateTest, RecognisesOnlyTheListedDates)
{
    const DateCase& c = GetParam();
    const SpecialDate* special = specialDateOn(c.date);
    if (!c.occasion) {
        EXPECT_EQ(special, nullptr);
    } else {
        ASSERT_NE(special, nullptr);
        EXPECT_EQ(special->occasion, *c.occasion);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SpecialDateTest,
    testing::Values(DateCase{"97/12/24", Occasion::ChristmasEve},
                    DateCase{"99/12/24", Occasion::ChristmasEve},
                    DateCase{"00/12/24", std::nullopt}, DateCase{"98/01/01", Occasion::NewYear},
                    DateCase{"97/01/01", std::nullopt}, DateCase{"99/02/14", Occasion::Valentine},
                    DateCase{"98/03/14", Occasion::WhiteDay},
                    DateCase{"99/04/01", Occasion::AprilFirst},
                    DateCase{"98/07/07", Occasion::Tanabata}, DateCase{"98/7/7", std::nullopt},
                    DateCase{"", std::nullopt}));

TEST(DiaryTextsTest, OnlyChristmasAndNewYearUseTheDirectionsLine)
{
    for (const SpecialDate& special : SpecialDates) {
        const bool ownLine =
            special.occasion == Occasion::ChristmasEve || special.occasion == Occasion::NewYear;
        EXPECT_EQ(special.line.empty(), ownLine);
    }
    EXPECT_EQ(specialDateOn("98/04/01")->line, "　　今日から４月、故郷の桜が懐かしい。");
}

// clang-format off
TEST(DiaryTextsTest, PassportLossLineDependsOnTheLossAndTheLeg)
{
    EXPECT_EQ(passportLossLine(true, true),
              "　　何てこった、パスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。");
    EXPECT_EQ(passportLossLine(true, false),
              "　　何てこった、パスポートをなくしてしまった。取りあえず日本大使館のある首都に向かう。トホホ。");
    EXPECT_EQ(passportLossLine(false, true),
              "　　やれやれ、またパスポートをなくしてしまった。やむなく日本大使館のある首都に戻ることにする。トホホ。");
    EXPECT_EQ(passportLossLine(false, false),
              "　　情けない。またパスポートをなくしてしまった。取りあえず日本大使館のある首都に向かう。トホホ。");
}

TEST(DiaryTextsTest, LondonCongratulatesThePlayerByName)
{
    EXPECT_EQ(LondonLine1.with("はなこ"),
              "　　ついにロンドン。目の前が涙でかすみはなこさん、ユーラシア横断おめでとうの文字がにじんで見える。");
}
// clang-format on

// --- Texts on disk: every text of these tables goes into the diary file ---

void addText(std::vector<std::string>& texts, std::string_view text)
{
    if (!text.empty()) {
        texts.emplace_back(text);
    }
}

void addDay(std::vector<std::string>& texts, const DayTexts& day)
{
    for (std::string_view line :
         {day.walking[0], day.walking[1], day.horse, day.camel, day.christmas, day.newYear}) {
        addText(texts, line);
    }
}

std::vector<std::string> diaryLines()
{
    std::vector<std::string> lines;
    for (Direction d : Directions) {
        const DirectionTexts& texts = textsFor(d);
        for (std::string_view line : texts.vehicle) {
            addText(lines, line);
        }
        addText(lines, texts.vehicle7BesideJapan);
        addText(lines, texts.climbing);
        for (int k = 0; k < 2; ++k) {
            lines.push_back(shipLine(d, k, "たろう"));
        }
        addDay(lines, texts.normal);
        addDay(lines, texts.refused);
    }
    for (const SpecialDate& special : SpecialDates) {
        addText(lines, special.line);
    }
    for (bool first : {true, false}) {
        for (bool abroad : {true, false}) {
            addText(lines, passportLossLine(first, abroad));
        }
    }
    for (const CountryEntry& row : CountryEntryTable) {
        addText(lines, row.entryLine);
    }
    lines.push_back(LondonLine1.with("たろう"));
    for (std::string_view line :
         {TruckPassengerLine, HorseMountLine, CamelMountLine, LondonLine2, LondonLine3}) {
        addText(lines, line);
    }
    return lines;
}

std::vector<std::string> names()
{
    std::vector<std::string> texts;
    for (const CountryEntry& row : CountryEntryTable) {
        addText(texts, row.caption);
    }
    for (const Spot& spot : CapitalSpots) {
        addText(texts, spot.name);
    }
    for (const Spot& spot : CitySpots) {
        addText(texts, spot.name);
    }
    return texts;
}

TEST(JourneyTextsTest, EveryDiaryLineIsIndented)
{
    const auto lines = diaryLines();
    // 4 directions x (10 vehicles, 1 climbing, 2 ships, 12 day lines), the
    // alternative south 7, 4 fixed dates, 4 passport losses, 75 entry lines,
    // 3 London lines, the truck passenger and the two mounts.
    EXPECT_EQ(lines.size(), 4u * 25 + 1 + 4 + 4 + 75 + 3 + 3);
    for (const std::string& line : lines) {
        EXPECT_TRUE(line.starts_with("　　")) << line;
        EXPECT_FALSE(line.starts_with("　　　")) << line;
    }
}

TEST(JourneyTextsTest, EveryTextEncodesToCp932AndBack)
{
    auto texts = diaryLines();
    std::ranges::copy(names(), std::back_inserter(texts));
    for (const std::string& text : texts)
        expectShiftJisRoundTrip(text);
    EXPECT_EQ(toCp932("　　韓国に入国。"),
              "\x81\x40\x81\x40\x8A\xD8\x8D\x91\x82\xC9\x93\xFC\x8D\x91\x81\x42");
    EXPECT_EQ(toCp932(textsFor(Direction::North).refused.horse).value().substr(0, 6),
              "\x81\x40\x81\x40\x82\x50");  // the full-width digit １
    EXPECT_EQ(toCp932("　　やった！ついにイギリスだ。").value().substr(4, 8),
              "\x82\xE2\x82\xC1\x82\xBD\x81\x49");
}

}  // namespace
}  // namespace korvalin

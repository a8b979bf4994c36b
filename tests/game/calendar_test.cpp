#include <gtest/gtest.h>

#include "game/calendar.h"
#include "support/in_english.h"

namespace korvalin {
namespace {

using namespace std::chrono;

TEST(CalendarTest, DatesAreTwoDigitsEachWithSlashes)
{
    EXPECT_EQ(formatDate(year_month_day{year{1997}, month{12}, day{24}}), "97/12/24");
    EXPECT_EQ(formatDate(year_month_day{year{2026}, month{1}, day{5}}), "26/01/05");
}

TEST(CalendarTest, CountingDaysCrossesMonthsYearsAndLeapDays)
{
    EXPECT_EQ(dateAfter("97/12/20", 4), "97/12/24");
    EXPECT_EQ(dateAfter("97/12/20", 12), "98/01/01");
    EXPECT_EQ(dateAfter("24/02/28", 1), "24/02/29");
    EXPECT_EQ(dateAfter("25/02/28", 1), "25/03/01");
    EXPECT_EQ(dateAfter("97/12/20", 99), "98/03/29");
}

TEST(CalendarTest, TextThatIsNotADateGivesNothing)
{
    EXPECT_FALSE(parseDate(""));
    EXPECT_FALSE(parseDate("97-12-20"));
    EXPECT_FALSE(parseDate("97/13/01"));
    EXPECT_FALSE(parseDate("9a/12/01"));
    EXPECT_EQ(dateAfter("not a date", 3), "");
}

// An English reader takes 26/12/08 for 26 December 2008: the English game
// names the month and marks the year, the Japanese keeps yy/mm/dd.
TEST(CalendarTest, DatesAreShownAsTheLanguageReadsThem)
{
    struct Row {
        const char* kept;
        const char* english;
    };
    const Row rows[] = {
        {"97/12/08", "8 Dec '97"},  {"98/01/31", "31 Jan '98"},   {"04/07/20", "20 Jul '04"},
        {"28/02/29", "29 Feb '28"}, {"not a date", "not a date"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shownDate(row.kept), row.kept);
    InEnglish english;
    ASSERT_TRUE(english.ready());
    for (const Row& row : rows)
        EXPECT_EQ(shownDate(row.kept), row.english);
}

}  // namespace
}  // namespace korvalin

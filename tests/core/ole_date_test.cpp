#include "plugin/ole_date.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct FormatCase {
    OleDateTime value;
    const char* pattern;
    const char* expected;
};

TEST(OleDateTest, FormatsWithStrftimeCodes) {
    const FormatCase cases[] = {
        {OleDateTime::FromParts(2016, 6, 4), "%d.%m", "04.06"},
        {OleDateTime::FromParts(2016, 6, 5), "%d.%m.%Y", "05.06.2016"},
        {OleDateTime::FromParts(2016, 6, 4, 15, 23), "%Y-%m-%d %H%M", "2016-06-04 1523"},
        {OleDateTime::FromParts(2016, 6, 4, 7, 5), "%H:%M", "07:05"},
        {{0.0, OleDateTime::kValid}, "%Y-%m-%d %H%M", "1899-12-30 0000"},
        {{2.5, OleDateTime::kValid}, "%Y-%m-%d %H:%M:%S", "1900-01-01 12:00:00"},
        // Before the epoch the fraction still counts forward from midnight.
        {{-1.25, OleDateTime::kValid}, "%Y-%m-%d %H%M", "1899-12-29 0600"},
        {{-1.0, OleDateTime::kValid}, "%Y-%m-%d %H%M", "1899-12-29 0000"},
        {OleDateTime::FromParts(1800, 2, 28, 18, 30), "%Y-%m-%d %H%M", "1800-02-28 1830"},
        {OleDateTime::FromParts(2000, 2, 29), "%Y-%m-%d %j", "2000-02-29 060"},
        {OleDateTime::FromParts(2016, 6, 4), "100%% %q", "100% %q"},
        {OleDateTime::Invalid(), "%d.%m", "Invalid DateTime"},
        {{1e7, OleDateTime::kValid}, "%d.%m", "Invalid DateTime"},  // after the year 9999
        {{0.0, OleDateTime::kNull}, "%d.%m", ""},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatOleDate(c.value, c.pattern), c.expected) << c.value.date << " " << c.pattern;
}

TEST(OleDateTest, RoundsToTheNearestSecond) {
    const double second = 1.0 / 86400.0;
    const double day = OleDateTime::FromParts(2016, 6, 4).date;
    // 23:59:59.6 rounds up into the next day; 12:00:00.4 stays.
    EXPECT_EQ(FormatOleDate({day + 1.0 - 0.4 * second, OleDateTime::kValid}, "%Y-%m-%d %H:%M:%S"),
              "2016-06-05 00:00:00");
    EXPECT_EQ(FormatOleDate({day + 0.5 + 0.4 * second, OleDateTime::kValid}, "%H:%M:%S"), "12:00:00");
    EXPECT_EQ(FormatOleDate({day + 0.5 + 0.6 * second, OleDateTime::kValid}, "%H:%M:%S"), "12:00:01");
}

TEST(OleDateTest, HasTheHostsMemoryLayout) {
    EXPECT_EQ(sizeof(OleDateTime), 16u);
    EXPECT_EQ(offsetof(OleDateTime, date), 0u);
    EXPECT_EQ(offsetof(OleDateTime, status), 8u);
    EXPECT_DOUBLE_EQ(OleDateTime::FromParts(2016, 6, 4, 12).date, 42525.5);
}

}  // namespace
}  // namespace corvane

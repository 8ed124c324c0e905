#include "plugin/region_rule.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct RegionCase {
    const char* prefix;
    const char* continent;
    int zone;
    RegionClass expected;
};

TEST(RegionRuleTest, FirstMatchingTestDecides) {
    const RegionCase cases[] = {
        {"DL", "EU", 14, 1},  {"ZS", "AF", 57, 1},  {"HZ", "AS", 39, 1},  {"HZ", "AS", 40, 3},
        {"UA9", "AS", 30, 1}, {"UA0", "AS", 32, 3}, {"JT", "AS", 32, 1},  {"4L", "AS", 29, 1},
        {"W", "NA", 8, 2},    {"W", "NA", 39, 1},   {"PY", "SA", 15, 2},  {"VK", "OC", 59, 3},
        {"KC4", "AN", 67, 0}, {"", "", 0, 0},       {"ua9", "as", 0, 0},  {"UA9A", "AS", 17, 3},
        {"UN", "", 0, 1},     {"EZ", "AS", 17, 1},  {"EU", "eu", 14, 0},
    };
    for (const RegionCase& c : cases)
        EXPECT_EQ(RegionOf(c.prefix, c.continent, c.zone), c.expected)
            << c.prefix << " " << c.continent << " " << c.zone;
}

}  // namespace
}  // namespace corvane

#include "scoring/settings.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/fakes.h"

namespace corvane {
namespace {

TEST(SettingsTest, LeadingIntegerRule) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const std::pair<const char*, std::int32_t> cases[] = {
        {"12abc", 12},          {"abc", 0},           {"-5", -5},           {" +7", 7},
        {"", 0},                {"\t 42 ", 42},       {"- 3", 0},           {"+", 0},
        {"007", 7},             {"2147483647", kMax}, {"2147483648", kMax}, {"99999999999999999999", kMax},
        {"-2147483648", kMin},  {"-2147483649", kMin}, {"-99999999999999999999", kMin}, {"1.5", 1},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(LeadingInteger(text), expected) << '"' << text << '"';
}

TEST(SettingsTest, ReadsAndWritesThroughTheStore) {
    testing::FakeProfileStore store;
    const SettingsFile settings(store, "Settings", "Plugins\\Corvane.ini");
    store.Set("Points_MyRegion", "12 points");
    store.Set("Name_Test", std::string(120, 'x'));

    EXPECT_EQ(settings.ReadNumber("Points_MyRegion"), 12);
    EXPECT_EQ(settings.ReadNumber("Missing"), 0);
    EXPECT_EQ(settings.ReadText("Name_Test"), std::string(99, 'x'));
    EXPECT_EQ(settings.ReadText("Name_Test", "", 49), std::string(49, 'x'));
    EXPECT_EQ(settings.ReadText("Operators", "DL1ABC", 49), "DL1ABC");

    settings.WriteIntSetting("Claimed", -42);
    settings.WriteIntSetting("Big", 5'000'000'000);
    EXPECT_EQ(store.Get("Claimed"), "-42");
    EXPECT_EQ(store.Get("Big"), "5000000000");
}

}  // namespace
}  // namespace corvane

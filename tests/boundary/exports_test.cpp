// Drives the built library through its exported functions, as the host does.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/plugin_under_test.h"
#include "tests/support/work_dir.h"

namespace corvane {
namespace {

using host::Date;
using testing::ReadBytes;
using testing::WriteBytes;

class ExportsTest : public ::testing::Test {
protected:
    int ResetStats(int exportFlag, const char* ownCall, Date* start, Date* end) {
        return api.ResetStats0("", exportFlag, ownCall, start, end, "", "", "", "", "", "", "", "", "", "DL", 0, 14,
                               0, 0.0, 0.0, "", "EU", "");
    }

    testing::WorkDir dir;  // first: the library is loaded while this is the current directory
    testing::LoadedPlugin plugin;
    host::StatsApi& api = plugin.api;
};

TEST_F(ExportsTest, EveryNameIsExported) {
    for (const char* name : {"ResetStats0", "AddData0", "RemoveData0", "CheckCall0", "IsValidExchg0",
                             "GetNumberOfSets", "GetExchgCount0", "GetSetName", "GetResult0", "SetupSet0"})
        EXPECT_NE(plugin.library->Find(name), nullptr) << name;
    EXPECT_EQ(plugin.library->Find("GetExchgCount0"), plugin.library->Find("GetNumberOfSets"));
    EXPECT_EQ(plugin.library->Find("ExitInstance"), nullptr);  // nothing else leaks out
#if defined(_WIN32)
    for (const host::DecoratedName& name : host::kDecoratedNames) {
        void* decorated = plugin.library->Find(name.decorated);
        EXPECT_NE(decorated, nullptr) << name.decorated;
        EXPECT_EQ(decorated, plugin.library->Find(name.plain)) << name.decorated;
    }
#endif
}

TEST_F(ExportsTest, SetQueries) {
    EXPECT_EQ(api.GetNumberOfSets(), 1);
    EXPECT_EQ(api.GetExchgCount0("a", nullptr, "c"), 1);
    EXPECT_STREQ(api.GetSetName(0), "Corvane(C)");
    EXPECT_STREQ(api.GetSetName(1), "");
    EXPECT_STREQ(api.GetSetName(-1), "");
}

TEST_F(ExportsTest, ResetStatsRecreatesTheErrorLogAndTogglesStart) {
    std::filesystem::create_directory("Plugins");
    WriteBytes("Plugins/Corvane.ini", "[Settings]\r\nMultiplier=1\r\nStart=0\r\n");
    WriteBytes("err.txt", "QSO:  old line\r\n");
    Date start = Date::FromParts(2016, 6, 4, 12);
    Date end = Date::FromParts(2016, 6, 5, 11, 59);

    EXPECT_EQ(ResetStats(0, "DL1ABC", &start, &end), 1);
    EXPECT_EQ(ReadBytes("err.txt"), "Corvane UBN file \r\n");
    EXPECT_EQ(ReadBytes("Plugins/Corvane.ini"), "[Settings]\r\nMultiplier=1\r\nStart=1\r\n");

    EXPECT_EQ(ResetStats(0, "DL1ABC", &start, &end), 1);
    EXPECT_EQ(ReadBytes("Plugins/Corvane.ini"), "[Settings]\r\nMultiplier=1\r\nStart=0\r\n");
}

// A host that passes null pointers gets defined answers, never a crash.
TEST_F(ExportsTest, NullArgumentsAreSafe) {
    EXPECT_EQ(api.ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(ReadBytes("err.txt"), "Corvane UBN file \r\n");
    // Every text reads as empty, the date as invalid: no contest mode in this SSB run.
    EXPECT_EQ(api.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr),
              0);
    EXPECT_EQ(ReadBytes("err.txt"), "Corvane UBN file \r\nQSO:  0    Invalid DateTime" + std::string(12, ' ') +
                                        "   NO CONTEST MODE !!!\r\n");
    api.RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                    0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(api.CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr),
              2);
    EXPECT_EQ(api.IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
    const std::string text = api.GetResult0(nullptr);
    EXPECT_EQ(text.substr(0, 65), "  Corvane SSB Invalid DateTime-Invalid DateTime \r\n\tContestant: \r\n");
}

}  // namespace
}  // namespace corvane

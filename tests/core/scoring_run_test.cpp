#include <gtest/gtest.h>

#include "plugin/plugin.h"
#include "tests/support/fakes.h"

namespace corvane {
namespace {

using testing::FakePlatform;

class ScoringRunTest : public ::testing::Test {
protected:
    static RunStart Run(std::int32_t exportFlag = 0) {
        RunStart run;
        run.exportFlag = exportFlag;
        run.ownCall = "DL1ABC";
        run.startTime = OleDateTime::FromParts(2016, 6, 4, 12);
        run.endTime = OleDateTime::FromParts(2016, 6, 5, 11, 59);
        run.ownPrefix = "DL";
        run.ownZone = 14;
        run.ownContinent = "EU";
        return run;
    }

    FakePlatform fake;
    Plugin plugin{fake.platform};
    ContestState& state = plugin.State();
};

TEST_F(ScoringRunTest, StateBeforeTheFirstRun) {
    EXPECT_EQ(state.ownRegion, 1);
    EXPECT_EQ(state.sectionName, "Settings");
    EXPECT_EQ(state.iniPath, "Plugins\\Corvane.ini");
    EXPECT_EQ(state.lastScore, 0);
    const auto shared = state.shared.Lock();
    EXPECT_TRUE(shared->qsoList.empty());
    for (const TextList& row : shared->bandRows) EXPECT_TRUE(row.empty());
    for (const TextList& entities : shared->bandEntities) EXPECT_TRUE(entities.empty());
}

TEST_F(ScoringRunTest, OpensARunFromAnyEarlierState) {
    fake.files.files["err.txt"] = "old lines\r\n";
    state.bandList.Add("20m");
    state.bandList.Add("40m");
    {
        auto shared = state.shared.Lock();
        for (int i = 0; i < 3; ++i) shared->qsoList.push_back(CInfo{});
        shared->bandRows[2] = {"40m", "CW", "12:00", "001"};
        shared->bandEntities[2] = {"DL", "F"};
    }
    RunStart run = Run();
    run.ownPrefix = "W";
    run.ownContinent = "NA";
    run.ownZone = 8;

    EXPECT_EQ(plugin.ResetStats0(run), 1);

    EXPECT_EQ(state.startDate, "04.06");
    EXPECT_EQ(state.endDate, "05.06.2016");
    EXPECT_EQ(state.ownCall, "DL1ABC");
    EXPECT_EQ(state.ownRegion, 2);
    EXPECT_EQ(fake.files.files["err.txt"], "Corvane UBN file \r\n");
    EXPECT_TRUE(state.bandList.names().empty());
    const auto shared = state.shared.Lock();
    EXPECT_TRUE(shared->qsoList.empty());
    for (std::size_t i = 0; i < kContestBands.size(); ++i)
        EXPECT_EQ(shared->bandRows[i], (TextList{std::string(kContestBands[i]), "-", "-", "-"}));
    // The entity lists of the last result stay until the next result.
    EXPECT_EQ(shared->bandEntities[2], (TextList{"DL", "F"}));
}

TEST_F(ScoringRunTest, InvalidDatesAndAnUnwritableLogAreNotFailures) {
    fake.files.failWrites = true;
    RunStart run = Run();
    run.startTime = OleDateTime::Invalid();
    run.endTime = {0.0, OleDateTime::kNull};
    EXPECT_EQ(plugin.ResetStats0(run), 1);
    EXPECT_EQ(state.startDate, "Invalid DateTime");
    EXPECT_EQ(state.endDate, "");
    EXPECT_FALSE(fake.files.Exists("err.txt"));
}

TEST_F(ScoringRunTest, LoadsTheScoringSettings) {
    fake.profile.Set("Points_MyRegion", "1");
    fake.profile.Set("Points_MyRegion_Portable", "12abc");
    fake.profile.Set("Points_OtherRegion", "-5");
    fake.profile.Set("Points_OtherRegion_Portable", " +7");
    fake.profile.Set("CW", "1");
    fake.profile.Set("SSB", "abc");
    fake.profile.Set("Name_Test", std::string(120, 'N'));

    plugin.ResetStats0(Run());

    EXPECT_EQ(state.pointsMyRegion, 1);
    EXPECT_EQ(state.pointsMyRegionPortable, 12);
    EXPECT_EQ(state.pointsOtherRegion, -5);
    EXPECT_EQ(state.pointsOtherRegionPortable, 7);
    EXPECT_EQ(state.modeCw, 1);
    EXPECT_EQ(state.modeSsb, 0);
    EXPECT_EQ(state.multiplierWindowOn, 0);
    EXPECT_EQ(state.contestName, std::string(99, 'N'));
}

TEST_F(ScoringRunTest, EmptySettingsLeaveEverythingOffAndWriteNothing) {
    state.pointsMyRegion = 9;
    state.modeCw = 1;
    plugin.ResetStats0(Run());
    EXPECT_EQ(state.pointsMyRegion, 0);
    EXPECT_EQ(state.modeCw, 0);
    EXPECT_EQ(state.contestName, "");
    EXPECT_EQ(fake.window.opens, 0);
    EXPECT_TRUE(fake.profile.writes.empty());
}

// Which runs open the multiplier window, and what they leave in `Start`.
TEST_F(ScoringRunTest, StartKeyAlternatesAndOpensTheWindowOnce) {
    fake.profile.Set("Multiplier", "1");
    fake.profile.Set("Start", "0");

    plugin.ResetStats0(Run());
    EXPECT_EQ(fake.window.opens, 1);
    EXPECT_EQ(fake.profile.Get("Start"), "1");

    plugin.ResetStats0(Run());  // finds Start = 1: resets it, opens nothing
    EXPECT_EQ(state.startMark, 1);
    EXPECT_EQ(fake.window.opens, 1);
    EXPECT_EQ(fake.profile.Get("Start"), "0");

    plugin.ResetStats0(Run());  // Start = 0, but the window is still open
    EXPECT_EQ(fake.window.opens, 1);
    EXPECT_EQ(fake.profile.Get("Start"), "0");

    fake.window.Close();  // the operator closed it: the next run opens it again
    plugin.ResetStats0(Run());
    EXPECT_EQ(fake.window.opens, 2);
    EXPECT_EQ(fake.profile.Get("Start"), "1");
}

TEST_F(ScoringRunTest, ExportRunSetsStartAndNeverOpensTheWindow) {
    fake.profile.Set("Multiplier", "1");
    plugin.ResetStats0(Run(1));
    EXPECT_EQ(state.exportFlag, 1);
    EXPECT_EQ(fake.window.opens, 0);
    ASSERT_GE(fake.profile.writes.size(), 2u);
    EXPECT_EQ(fake.profile.writes[fake.profile.writes.size() - 2], (std::pair<std::string, std::string>{"Start", "1"}));
    EXPECT_EQ(fake.profile.writes.back(), (std::pair<std::string, std::string>{"Start", "0"}));
}

TEST_F(ScoringRunTest, ExportRunWithoutTheWindowLeavesStartSet) {
    plugin.ResetStats0(Run(1));
    EXPECT_EQ(fake.profile.Get("Start"), "1");
    EXPECT_EQ(fake.window.opens, 0);
}

TEST(SetNameTest, OnlySetZeroHasAName) {
    EXPECT_STREQ(SetName(0), "Corvane(C)");
    EXPECT_STREQ(SetName(1), "");
    EXPECT_STREQ(SetName(-1), "");
}

}  // namespace
}  // namespace corvane

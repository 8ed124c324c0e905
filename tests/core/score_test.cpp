// The score and the result text, recomputed from the QSO list at every result request.
#include <gtest/gtest.h>

#include <algorithm>

#include "scoring/result_text.h"
#include "tests/support/contest_fixture.h"

namespace corvane {
namespace {

using testing::MakeQso;
using testing::Qso;

Qso Station(std::string call, std::string band, std::string prefix, std::string continent, int zone) {
    Qso qso = MakeQso(std::move(call), std::move(band), std::move(prefix));
    qso.continent = std::move(continent);
    qso.zone = zone;
    return qso;
}

const std::string kHeader = "  Corvane CW 04.06-05.06.2016 \r\n\tContestant: DL1ABC\r\n\tQSOs\tPoint\tDXCC\tPortable\r\n";

class ScoreTest : public testing::ContestFixture {
protected:
    void SetUp() override {
        OpenRun({{"CW", "1"},
                 {"Points_MyRegion", "1"},
                 {"Points_MyRegion_Portable", "2"},
                 {"Points_OtherRegion", "3"},
                 {"Points_OtherRegion_Portable", "5"}});
    }

    std::string Result() { return plugin.GetResult0(&hostScore); }

    std::int32_t hostScore = 12345;
};

TEST_F(ScoreTest, SmallContest) {
    Add(Station("W1AW", "20m", "K", "NA", 8));       // other region, fixed
    Add(Station("OK1A", "80m", "OK", "EU", 28));     // own region, fixed
    Add(Station("OK1A", "160m", "OK", "EU", 28));    // same station, another band: counts again
    Add(Station("DL2X/P", "80m", "DL", "EU", 28));   // own region, portable
    Add(Station("OK1B", "80m", "OK", "EU", 28));     // a second OK on 80m: no new entity
    Add(Station("W1AW", "20m", "K", "NA", 8));       // dupe: counts nothing
    Add(Station("VE3X/M", "20m", "VE", "NA", 4));    // other region, portable
    Add(Station("", "40m", "OK", "EU", 28));         // stored without a call: a row of zeros
    Add(Station("DL2X/P", "160m", "DL", "EU", 28));  // the same portable on another band

    EXPECT_EQ(Result(), kHeader +
                            "160m\t 2\t 3\t 2\r\n"
                            "80m\t 3\t 4\t 2\r\n"
                            "40m\t 0\t 0\t 0\r\n"
                            "20m\t 2\t 8\t 2\r\n"
                            "Total\t 7\t 15\t 6\t 2\r\n"
                            "\r\n"
                            "Score: 15*6 = 90\r\n"
                            "\r\n" +
                            std::string(kClosingText));
    EXPECT_EQ(hostScore, 90);
    EXPECT_EQ(state.lastScore, 90);
    EXPECT_EQ(fake.profile.Get("Claimed"), "90");
    EXPECT_EQ(state.bandList.names(), (std::vector<std::string>{"160m", "80m", "40m", "20m"}));

    const auto shared = state.shared.Lock();
    EXPECT_EQ(shared->bandEntities[0], (TextList{"OK", "DL"}));
    EXPECT_EQ(shared->bandEntities[1], (TextList{"OK", "DL"}));
    EXPECT_EQ(shared->bandEntities[2], TextList{});
    EXPECT_EQ(shared->bandEntities[3], (TextList{"K", "VE"}));
}

TEST_F(ScoreTest, EmptyLog) {
    EXPECT_EQ(Result(), kHeader + "Total\t 0\t 0\t 0\t 0\r\n\r\nScore: 0*0 = 0\r\n\r\n" + std::string(kClosingText));
    EXPECT_EQ(hostScore, 0);
    EXPECT_EQ(fake.profile.Get("Claimed"), "0");
}

TEST_F(ScoreTest, HeaderFollowsTheCwFlagOnly) {
    const struct {
        const char* cw;
        const char* ssb;
        const char* start;
    } cases[] = {
        {"0", "0", "  Corvane SSB "},
        {"0", "1", "  Corvane SSB "},
        {"1", "1", "  Corvane CW "},
        {"7", "0", "  Corvane CW "},
    };
    for (const auto& c : cases) {
        OpenRun({{"CW", c.cw}, {"SSB", c.ssb}});
        EXPECT_EQ(Result().rfind(c.start, 0), 0u) << c.cw << c.ssb;
    }
}

TEST_F(ScoreTest, RemovedAndDupeOnlyBandsKeepARowOfZeros) {
    Add(MakeQso("OK1A", "80m"));
    Add(MakeQso("OK1B", "40m"));
    Add(MakeQso("OK1A", "80m"));  // dupe
    Remove("OK1A", "80m");         // the original goes; the dupe stays, counting nothing
    Add(MakeQso("OK1C", "10m"));
    Remove("OK1C", "10m");
    const std::string text = Result();
    EXPECT_NE(text.find("80m\t 0\t 0\t 0\r\n40m\t 1\t 1\t 1\r\n10m\t 0\t 0\t 0\r\nTotal\t 1\t 1\t 1\t 0\r\n"),
              std::string::npos)
        << text;
}

// A band text outside the six is reported and scored, but has no entity list of its own and
// leaves the lists of the contest bands alone.
TEST_F(ScoreTest, OtherBandsAreScoredWithoutTouchingEntityLists) {
    {
        auto shared = state.shared.Lock();
        shared->bandEntities[0] = {"earlier"};
        shared->bandEntities[5] = {"earlier"};
    }
    Add(MakeQso("OK1A", "6m"));
    Add(MakeQso("OK1B", "20m", "DL"));
    Add(MakeQso("OK1C", "2m", "F"));
    const std::string text = Result();
    EXPECT_NE(text.find("20m\t 1\t 1\t 1\r\n6m\t 1\t 1\t 1\r\n2m\t 1\t 1\t 1\r\nTotal\t 3\t 3\t 3\t 0\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(hostScore, 9);
    const auto shared = state.shared.Lock();
    EXPECT_EQ(shared->bandEntities[0], TextList{"earlier"});
    EXPECT_EQ(shared->bandEntities[3], TextList{"DL"});
    EXPECT_EQ(shared->bandEntities[5], TextList{"earlier"});
}

TEST_F(ScoreTest, EntityListsOfBandsWithoutARowSurviveResultsAndRuns) {
    Add(MakeQso("OK1A", "15m", "OK"));
    Result();
    OpenRun();
    Add(MakeQso("OK1B", "40m", "DL"));
    Result();
    const auto shared = state.shared.Lock();
    EXPECT_EQ(shared->bandEntities[4], TextList{"OK"});
    EXPECT_EQ(shared->bandEntities[2], TextList{"DL"});
}

TEST_F(ScoreTest, ScoreBeyond32BitsIsKeptInFullAndClampedForTheHost) {
    OpenRun({{"Points_MyRegion", "2147483647"}, {"CW", "1"}});
    Add(MakeQso("OK1A", "40m", "OK"));
    Add(MakeQso("OK1B", "40m", "DL"));
    const std::string text = Result();
    EXPECT_NE(text.find("40m\t 2\t 4294967294\t 2\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Score: 4294967294*2 = 8589934588\r\n"), std::string::npos) << text;
    EXPECT_EQ(hostScore, 2147483647);
    EXPECT_EQ(state.lastScore, 8589934588);
    EXPECT_EQ(fake.profile.Get("Claimed"), "8589934588");

    OpenRun({{"Points_MyRegion", "-2147483648"}, {"CW", "1"}});
    Add(MakeQso("OK1A", "40m", "OK"));
    Add(MakeQso("OK1B", "40m", "DL"));
    Result();
    EXPECT_EQ(hostScore, -2147483647 - 1);
    EXPECT_EQ(fake.profile.Get("Claimed"), "-8589934592");
}

TEST_F(ScoreTest, NegativePointsLowerTheScore) {
    OpenRun({{"Points_MyRegion", "-5"}, {"CW", "1"}});
    Add(MakeQso("OK1A", "40m"));
    EXPECT_NE(Result().find("Score: -5*1 = -5\r\n"), std::string::npos);
    EXPECT_EQ(fake.profile.Get("Claimed"), "-5");
}

TEST_F(ScoreTest, NullScorePointerIsNotWritten) {
    Add(MakeQso("OK1A", "40m"));
    EXPECT_NE(plugin.GetResult0(nullptr).find("Score: 1*1 = 1"), std::string::npos);
}

TEST(BandListTest, SortsByZeroPaddedNameDescending) {
    BandList bands;
    for (const char* band : {"20m", "2m", "10m", "160m", "6m", "40m", "15m", "80m", "70cm"}) bands.Add(band);
    bands.Add("20m");
    bands.SortForReport();
    EXPECT_EQ(bands.names(),
              (std::vector<std::string>{"70cm", "160m", "80m", "40m", "20m", "15m", "10m", "6m", "2m"}));

    // Names that differ only in leading zeros have equal keys and are never exchanged.
    for (const auto& pair : {std::vector<std::string>{"m", "0m"}, std::vector<std::string>{"0m", "m"}}) {
        BandList equal;
        for (const std::string& band : pair) equal.Add(band);
        equal.SortForReport();
        EXPECT_EQ(equal.names(), pair);
    }
}

// Nonsense band texts by the thousand must not stall the host; distinct keys still sort the same.
TEST(BandListTest, ManyBandsSortTheSameWay) {
    BandList bands;
    std::vector<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        bands.Add(std::to_string(i * 7919 % 1000) + "m");
        expected.push_back(std::to_string(i) + "m");
    }
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return std::string(20 - a.size(), '0') + a > std::string(20 - b.size(), '0') + b;
    });
    bands.SortForReport();
    EXPECT_EQ(bands.names(), expected);
}

}  // namespace
}  // namespace corvane

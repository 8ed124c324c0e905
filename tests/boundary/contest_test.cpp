// A small contest driven through the exported functions, with every output compared byte for
// byte: the error log, the result text, the settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/support/plugin_under_test.h"
#include "tests/support/work_dir.h"

namespace corvane {
namespace {

using host::Date;
using testing::ReadBytes;
using testing::WriteBytes;

struct HostQso {
    const char* call;
    const char* band;
    const char* mode;
    const char* exchangeSent;
    const char* exchangeReceived;
    const char* prefix;
    const char* continent;
    int zone;
    unsigned frequencyHz;
    int minute;
};

class ContestTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory("Plugins");
        WriteBytes("Plugins/Corvane.ini",
                   "[Settings]\r\nPoints_MyRegion=1\r\nPoints_MyRegion_Portable=2\r\nPoints_OtherRegion=3\r\n"
                   "Points_OtherRegion_Portable=5\r\nMultiplier=0\r\nCW=1\r\nSSB=0\r\nName_Test=CORVANE-TEST\r\n");
        Date start = Date::FromParts(2016, 6, 4, 12);
        Date end = Date::FromParts(2016, 6, 5, 11, 59);
        ASSERT_EQ(api.ResetStats0("", 0, "DL1ABC", &start, &end, "", "", "", "", "", "", "", "", "", "DL", 0, 28, 0, 0.0,
                                  0.0, "", "EU", ""),
                  1);
    }

    int Add(const HostQso& q) {
        Date time = Date::FromParts(2016, 6, 4, 13, q.minute);
        Date unused = Date::Invalid();
        return api.AddData0("DL1ABC", q.call, &time, &unused, &unused, &unused, 0, q.frequencyHz, q.mode, "599", "599",
                            q.exchangeSent, q.exchangeReceived, "", "", "", "", "", "", "", "", "", q.prefix, 0, q.zone,
                            0, 0.0, 0.0, "", q.continent, "", q.band, "");
    }

    void Remove(const char* call, const char* band) {
        api.RemoveData0("DL1ABC", call, nullptr, nullptr, nullptr, nullptr, 0, 0, "CW", "", "", "", "", "", "", "",
                        "", "", "", "", "", "", "", 0, 0, 0, 0.0, 0.0, "", "", "", band, "");
    }

    int Check(const char* call, const char* band, const char* prefix, const char* otherBand, char* lastExchange) {
        return api.CheckCall0(call, 0, 0, "CW", "", "", "", "", "", "", "", "", "", prefix, 0, 0, 0, 0.0, 0.0, "", "",
                              "", "", "", band, otherBand, lastExchange, nullptr);
    }

    testing::WorkDir dir;
    testing::LoadedPlugin plugin;
    host::StatsApi& api = plugin.api;
};

TEST_F(ContestTest, ScoresAndReportsThroughTheExports) {
    const HostQso log[] = {
        {"OK1AA", "40m", "CW", "001", "011", "OK", "EU", 28, 7012999, 0},
        {"W1AW", "20m", "CW", "002", "1234", "K", "NA", 8, 14025000, 1},
        {"IT9XYZ/P", "40m", "CW", "003", "099", "IT9", "EU", 28, 7021000, 2},
        {"JA1ABC", "17m", "CW", "004", "005", "JA", "AS", 45, 18080000, 3},       // no contest band
        {"OK1AA", "40m", "SSB", "005", "012", "OK", "EU", 28, 7090000, 4},        // no contest mode
        {"OK1AA", "80m", "CW", "006", "", "OK", "EU", 28, 3510000, 5},            // no exchange received
        {"OK1AA", "40m", "CW", "007", "013", "OK", "EU", 28, 7013000, 6},         // dupe
        {"UA9ABC", "160m", "CW", "008", "014", "UA9", "AS", 30, 1830000, 7},      // region 1 by prefix
        {"VK2XYZ", "10m", "CW", "009", "0015", "VK", "OC", 59, 28020000, 8},
        {"I1ABC", "40m", "CW", "010", "ABCDEFGHIJKL", "I", "EU", 28, 7030000, 9},  // long exchange
        {"OK1BB", "80m", "CW", "011", "016", "OK", "EU", 28, 3520000, 10},
    };
    std::string results;
    for (const HostQso& qso : log) results += std::to_string(Add(qso));
    EXPECT_EQ(results, "11100011111");
    Remove("OK1BB", "80m");

    char exchange[12];
    std::memset(exchange, '#', sizeof exchange);
    EXPECT_EQ(Check("I1ABC", "20m", "I", "20M", exchange), 1 + 1);  // a new entity on 20m
    EXPECT_STREQ(exchange, "ABCDEFGHI");
    EXPECT_EQ(exchange[10], '#');
    EXPECT_EQ(Check("IT9AAA", "40m", "IT9", nullptr, exchange), 1);
    EXPECT_STREQ(exchange, "");
    EXPECT_EQ(Check("OK1AA", "40m", "OK", "40m", exchange), 0);
    EXPECT_EQ(Check("OK1AA", "40m", "OK", "20m", nullptr), 4);
    EXPECT_EQ(api.IsValidExchg0("1234", "", "", "", 0, 0, 0), 1);
    EXPECT_EQ(api.IsValidExchg0("599", "", "", "", 0, 0, 0), 0);

    int score = 0;
    const char* text = api.GetResult0(&score);
    EXPECT_EQ(std::string(text),
              "  Corvane CW 04.06-05.06.2016 \r\n"
              "\tContestant: DL1ABC\r\n"
              "\tQSOs\tPoint\tDXCC\tPortable\r\n"
              "160m\t 1\t 1\t 1\r\n"
              "80m\t 0\t 0\t 0\r\n"
              "40m\t 3\t 4\t 2\r\n"
              "20m\t 1\t 3\t 1\r\n"
              "10m\t 1\t 3\t 1\r\n"
              "Total\t 6\t 11\t 5\t 1\r\n"
              "\r\n"
              "Score: 11*5 = 55\r\n"
              "\r\n"
              "Rejected QSOs and dupes are listed in err.txt.");
    EXPECT_EQ(score, 55);
    EXPECT_EQ(ReadBytes("err.txt"),
              "Corvane UBN file \r\n"
              "QSO:  18080  CW  2016-06-04 1303  DL1ABC  599  004  JA1ABC  599  005   NO CONTEST BAND !!!\r\n"
              "QSO:  7090  SSB  2016-06-04 1304  DL1ABC  599  005  OK1AA  599  012   NO CONTEST MODE !!!\r\n"
              "QSO:  3510  CW  2016-06-04 1305  DL1ABC  599  006  OK1AA  599     NO RX NUMBER !!!\r\n"
              "QSO:  7013  CW  2016-06-04 1306  DL1ABC  599  007  OK1AA  599  013   DUPE !!!\r\n");
    EXPECT_EQ(ReadBytes("Plugins/Corvane.ini"),
              "[Settings]\r\nPoints_MyRegion=1\r\nPoints_MyRegion_Portable=2\r\nPoints_OtherRegion=3\r\n"
              "Points_OtherRegion_Portable=5\r\nMultiplier=0\r\nCW=1\r\nSSB=0\r\nName_Test=CORVANE-TEST\r\n"
              "Claimed=55\r\n");
}

}  // namespace
}  // namespace corvane

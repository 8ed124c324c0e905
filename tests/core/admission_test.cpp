#include <gtest/gtest.h>

#include "tests/support/contest_fixture.h"

namespace corvane {
namespace {

using testing::MakeQso;
using testing::Qso;

class AdmissionTest : public testing::ContestFixture {
protected:
    void SetUp() override { OpenRun(); }
};

struct RejectCase {
    const char* band;
    const char* mode;
    const char* exchangeSent;
    const char* exchangeReceived;
    const char* reason;
};

// The first failing check decides the reason; the QSO leaves no trace but its line.
TEST_F(AdmissionTest, RejectsWithOneLineNamingTheFirstFailedCheck) {
    const RejectCase cases[] = {
        {"30m", "CW", "001", "002", "   NO CONTEST BAND !!!"},
        {"17m", "SSB", "", "", "   NO CONTEST BAND !!!"},
        {"12m", "CW", "001", "002", "   NO CONTEST BAND !!!"},
        {"40m", "SSB", "001", "002", "   NO CONTEST MODE !!!"},
        {"40m", "cw", "", "002", "   NO CONTEST MODE !!!"},
        {"40m", "CW ", "001", "002", "   NO CONTEST MODE !!!"},
        {"40m", "CW", "001", "", "   NO RX NUMBER !!!"},
        {"40m", "CW", "", "002", "   NO RX NUMBER !!!"},
    };
    for (const RejectCase& c : cases) {
        Qso qso;
        qso.band = c.band;
        qso.mode = c.mode;
        qso.exchangeSent = c.exchangeSent;
        qso.exchangeReceived = c.exchangeReceived;
        const std::string before = ErrorLog();
        EXPECT_EQ(Add(qso), 0) << c.band << " " << c.mode;
        EXPECT_EQ(ErrorLog(), before + "QSO:  7012  " + c.mode + "  2016-06-04 1523  DL1ABC  599  " + c.exchangeSent +
                                  "  OK1XYZ  599  " + c.exchangeReceived + c.reason + "\r\n");
    }
    EXPECT_TRUE(Records().empty());
    EXPECT_TRUE(state.bandList.names().empty());
}

TEST_F(AdmissionTest, WritesFieldsExactlyAsPassed) {
    Qso qso;
    qso.band = "17m";
    qso.myCall = "";
    qso.rstSent = " 5nn";
    qso.call = "ok1xyz/p";
    qso.time = OleDateTime::Invalid();
    qso.frequencyHz = 999;
    EXPECT_EQ(Add(qso), 0);
    EXPECT_EQ(ErrorLines(), "QSO:  0  CW  Invalid DateTime     5nn  001  ok1xyz/p  599  002   NO CONTEST BAND !!!\r\n");
}

TEST_F(AdmissionTest, StoresAValidQsoWithoutWritingALine) {
    Qso qso;
    qso.prefix = "IT9";
    qso.call = "IT9ABC/P";
    EXPECT_EQ(Add(qso), 1);
    EXPECT_EQ(ErrorLines(), "");
    ASSERT_EQ(Records().size(), 1u);
    const CInfo stored = Records()[0];
    EXPECT_EQ(stored.call, "IT9ABC/P");
    EXPECT_EQ(stored.prefix, "I");
    EXPECT_EQ(stored.continent, "EU");
    EXPECT_EQ(stored.band, "40m");
    EXPECT_EQ(stored.mode, "CW");
    EXPECT_EQ(stored.rstSent, "599");
    EXPECT_EQ(stored.rstReceived, "599");
    EXPECT_EQ(stored.exchangeSent, "001");
    EXPECT_EQ(stored.exchangeReceived, "002");
    EXPECT_EQ(stored.portableCall, "IT9ABC/P");
    EXPECT_EQ(stored.frequencyKhz, 7012);
    EXPECT_EQ(stored.region, 1);
    EXPECT_EQ(stored.isDupe, 0);
    EXPECT_EQ(stored.time.date, qso.time.date);
}

TEST_F(AdmissionTest, CreatesAMissingLogButDoesNotOpenAnExistingOne) {
    fake.files.files.erase("err.txt");
    Add(MakeQso("OK1AAA", "40m"));
    EXPECT_EQ(ErrorLog(), "");  // created, empty: the header went with the deleted file
    const int appends = fake.files.appends;
    Add(MakeQso("OK1BBB", "40m"));
    EXPECT_EQ(fake.files.appends, appends);
}

TEST_F(AdmissionTest, FoldsOnlyTheThreeItalianPrefixes) {
    const std::pair<const char*, const char*> cases[] = {
        {"IT9", "I"}, {"IG9", "I"}, {"IH9", "I"}, {"IT", "IT"}, {"I", "I"}, {"it9", "it9"}, {"IT9A", "IT9A"}};
    for (const auto& [prefix, stored] : cases) Add(MakeQso(std::string("X") + prefix, "40m", prefix));
    const std::vector<CInfo> records = Records();
    for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].prefix, cases[i].second) << cases[i].first;
}

TEST_F(AdmissionTest, MarksOnlyUpperCaseSlashPAndSlashMAsPortable) {
    const std::pair<const char*, bool> cases[] = {{"OK1XYZ/P", true}, {"OK1XYZ/M", true}, {"/P", true},
                                                  {"OK1XYZ/p", false}, {"OK1XYZ/QRP", false}, {"OK1XYZ/MM", false},
                                                  {"P", false},        {"", false}};
    for (const auto& [call, portable] : cases) Add(MakeQso(call, "40m"));
    const std::vector<CInfo> records = Records();
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i].portableCall, cases[i].second ? cases[i].first : "") << cases[i].first;
}

TEST_F(AdmissionTest, EveryEarlierMatchGivesOneDupeLine) {
    const std::string dupeLine = "QSO:  7012  CW  2016-06-04 1523  DL1ABC  599  001  OK1XYZ  599  002   DUPE !!!\r\n";
    EXPECT_EQ(Add(MakeQso("OK1XYZ", "40m")), 1);
    EXPECT_EQ(Add(MakeQso("OK1XYZ", "20m")), 1);  // another band
    EXPECT_EQ(Add(MakeQso("ok1xyz", "40m")), 1);  // another call: case counts
    EXPECT_EQ(ErrorLines(), "");
    EXPECT_EQ(Add(MakeQso("OK1XYZ", "40m")), 1);
    EXPECT_EQ(ErrorLines(), dupeLine);
    EXPECT_EQ(Add(MakeQso("OK1XYZ", "40m")), 1);
    EXPECT_EQ(ErrorLines(), dupeLine + dupeLine + dupeLine);

    std::vector<int> dupes;
    for (const CInfo& record : Records()) dupes.push_back(record.isDupe);
    EXPECT_EQ(dupes, (std::vector<int>{0, 0, 0, 1, 1}));
}

TEST_F(AdmissionTest, BandListKeepsFirstSeenOrderOfStoredBands) {
    Add(MakeQso("A1", "20m"));
    Add(MakeQso("A2", "6m"));
    Add(MakeQso("A3", "20m"));
    Add(MakeQso("A4", "17m"));  // rejected: never listed
    Add(MakeQso("A5", "40m"));
    Add(MakeQso("A5", "40m"));  // a dupe still lists its band (already there)
    EXPECT_EQ(state.bandList.names(), (std::vector<std::string>{"20m", "6m", "40m"}));
}

TEST(SsbRunTest, OnlyExactlySsbPasses) {
    testing::FakePlatform fake;
    Plugin plugin(fake.platform);
    plugin.ResetStats0(RunStart{});
    for (const auto& [mode, result] : std::initializer_list<std::pair<const char*, int>>{
             {"SSB", 1}, {"CW", 0}, {"ssb", 0}, {"USB", 0}, {"", 0}}) {
        Qso qso;
        qso.mode = mode;
        EXPECT_EQ(plugin.AddData0(qso.Args()), result) << '"' << mode << '"';
    }
}

}  // namespace
}  // namespace corvane

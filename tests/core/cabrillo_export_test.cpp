#include "cabrillo/cabrillo_export.h"

#include <gtest/gtest.h>

#include "plugin/plugin.h"
#include "tests/support/fakes.h"

namespace corvane {
namespace {

using Notice = std::pair<std::string, std::string>;

CInfo Qso(std::string call, std::int32_t frequencyKhz, std::string mode, OleDateTime time, std::string exchangeReceived,
          std::int32_t isDupe = 0) {
    CInfo qso;
    qso.call = std::move(call);
    qso.frequencyKhz = frequencyKhz;
    qso.mode = std::move(mode);
    qso.time = time;
    qso.rstSent = "599";
    qso.exchangeSent = "001";
    qso.rstReceived = "59";
    qso.exchangeReceived = std::move(exchangeReceived);
    qso.isDupe = isDupe;
    return qso;
}

class CabrilloExportTest : public ::testing::Test {
protected:
    CabrilloExportTest() {
        header.callsign = "DL1ABC/P";
        header.fileBaseName = "DL1ABC_P";
        header.operators = "DL1ABC";
        header.categoryOperator = "SINGLE-OP";
        header.categoryPower = "HIGH";
        header.categoryTransmitter = "ONE";
        header.name = "Erika Muster";
        header.soapBox = "Nice contest\r\n73";
        header.club = "never written";
        header.offTime = "never written";
        state.contestName = "Corvane 2016";
        state.lastScore = -42;
    }

    std::string LogFile() { return fake.files.files["DL1ABC_P.cbr"]; }

    testing::FakePlatform fake;
    ContestState state;
    CabrilloHeader& header = state.cabrilloHeader;
};

// Every line as a contest robot reads it: CR LF everywhere, fixed QSO columns while the values
// fit, a six-digit frequency and a long call pushing the rest right, no overlay line, no version.
TEST_F(CabrilloExportTest, WritesTheWholeLog) {
    {
        auto shared = state.shared.Lock();
        const OleDateTime time = OleDateTime::FromParts(2016, 6, 4, 12, 3);
        shared->qsoList.push_back(Qso("OK1XYZ", 3510, "CW", time, "0042"));
        shared->qsoList.push_back(Qso("OK1XYZ", 14025, "SSB", time, "0042", 1));  // a dupe is written too
        shared->qsoList.push_back(Qso("VERYLONGCALL/MM", 144300, "CW", time, "7"));
        shared->qsoList.push_back(Qso("F5AA", 7010, "RTTY", OleDateTime::Invalid(), ""));
    }

    ExportCabrillo(state, fake.platform);

    EXPECT_EQ(LogFile(),
              "START-OF-LOG: 3.0\r\n"
              "CONTEST: Corvane 2016\r\n"
              "CALLSIGN: DL1ABC/P\r\n"
              "CATEGORY-OPERATOR: SINGLE-OP\r\n"
              "CATEGORY-POWER: HIGH\r\n"
              "CATEGORY-TRANSMITTER: ONE\r\n"
              "OPERATORS: DL1ABC\r\n"
              "CLAIMED-SCORE: -42\r\n"
              "CREATED-BY: Nolvex \r\n"
              "NAME: Erika Muster\r\n"
              "ADDRESS: \r\n"
              "ADDRESS-CITY: \r\n"
              "ADDRESS-POSTALCODE: \r\n"
              "ADDRESS-COUNTRY: \r\n"
              "EMAIL: \r\n"
              "SOAPBOX: Nice contest\r\n"
              "SOAPBOX: 73\r\n"
              "QSO:  3510 CW 2016-06-04 1203 DL1ABC/P      599 001    OK1XYZ        59  0042\r\n"
              "QSO: 14025 PH 2016-06-04 1203 DL1ABC/P      599 001    OK1XYZ        59  0042\r\n"
              "QSO: 144300 CW 2016-06-04 1203 DL1ABC/P      599 001    VERYLONGCALL/MM 59  7\r\n"
              "QSO:  7010 ?? Invalid DateTime DL1ABC/P      599 001    F5AA          59  \r\n"
              "END-OF-LOG:\r\n");
    EXPECT_EQ(fake.dialogs.notices, (std::vector<Notice>{{"Output", "File produced: DL1ABC_P.cbr"}}));

    // Written whole again, never appended to.
    ExportCabrillo(state, fake.platform);
    EXPECT_EQ(header.qsoLines.size(), 4u);
    EXPECT_EQ(LogFile().find("QSO:  3510"), LogFile().rfind("QSO:  3510"));
    EXPECT_EQ(fake.dialogs.notices.size(), 2u);
}

TEST_F(CabrilloExportTest, SoapboxAndOverlayLines) {
    struct Case {
        std::string soapBox, overlay, expectedTail;
    };
    const Case cases[] = {
        {"", "", "EMAIL: \r\nSOAPBOX: \r\nEND-OF-LOG:\r\n"},
        {"73\r\n", "", "SOAPBOX: 73\r\nSOAPBOX: \r\nEND-OF-LOG:\r\n"},
        {"a\nb\rc", "", "SOAPBOX: ab\r\nSOAPBOX: c\r\nEND-OF-LOG:\r\n"},
        {"", " ", "CATEGORY-TRANSMITTER: ONE\r\nCATEGORY-OVERLAY:  \r\nOPERATORS: "},
        {"", "RESTRICTED", "CATEGORY-TRANSMITTER: ONE\r\nCATEGORY-OVERLAY: RESTRICTED\r\nOPERATORS: "},
    };
    for (const Case& c : cases) {
        header.soapBox = c.soapBox;
        header.categoryOverlay = c.overlay;
        const std::string log = CabrilloLog(header, "", 0, "");
        EXPECT_NE(log.find(c.expectedTail), std::string::npos) << log;
        EXPECT_EQ(log.find("CATEGORY-OVERLAY") != std::string::npos, !c.overlay.empty());
    }
}

TEST_F(CabrilloExportTest, CreatedByCarriesTheHostProgramsVersion) {
    struct Program {
        std::string name;
        std::optional<FileVersion> version;
    };
    struct Case {
        std::vector<Program> programs;  // in listing order
        std::string expectedLine;
    };
    const FileVersion v2_19{0x00020013, 0x00000005};
    const FileVersion v3_1_4{0x00030001, 0x00040000};
    const Case cases[] = {
        {{}, "CREATED-BY: Nolvex \r\n"},
        {{{"Nolvex.exe", v2_19}}, "CREATED-BY: Nolvex 2.19\r\n"},
        {{{"MyNolvexPro.exe", v3_1_4}}, "CREATED-BY: Nolvex 3.1.4\r\n"},
        {{{"Nolvex.exe", FileVersion{0x000A0002, 0xFFFF0007}}}, "CREATED-BY: Nolvex 10.2.65535\r\n"},
        {{{"Logger.exe", v3_1_4}, {"nolvex.exe", v3_1_4}, {"Nolvex.exe", v2_19}}, "CREATED-BY: Nolvex 2.19\r\n"},
        // Only the first name that contains "Nolvex" counts, even when its version is unreadable.
        {{{"Nolvex.exe", std::nullopt}, {"Nolvex2.exe", v2_19}}, "CREATED-BY: Nolvex \r\n"},
    };
    for (const Case& c : cases) {
        fake.files.programs.clear();
        fake.files.versions.clear();
        for (const Program& program : c.programs) {
            fake.files.programs.push_back(program.name);
            if (program.version) fake.files.versions[program.name] = *program.version;
        }
        WriteCabrilloFile(state, fake.files);
        EXPECT_NE(LogFile().find("\r\n" + c.expectedLine + "NAME: "), std::string::npos) << c.expectedLine;
    }
}

TEST_F(CabrilloExportTest, AFileThatCannotBeWrittenIsNotReportedAsProduced) {
    fake.files.failWrites = true;
    ExportCabrillo(state, fake.platform);
    EXPECT_EQ(fake.dialogs.notices, (std::vector<Notice>{{"Output", "File could not be written: DL1ABC_P.cbr"}}));
}

// The export as a result request runs it: every request of an export run writes the file with
// the score just computed, shows the notice, and hands the host -1.
TEST(ExportRunTest, EveryResultWritesTheLogAndReturnsMinusOne) {
    testing::FakePlatform fake;
    Plugin plugin(fake.platform);
    fake.profile.Set("CW", "1");
    fake.profile.Set("Points_OtherRegion", "3");
    RunStart run;
    run.exportFlag = 1;
    run.ownCall = "DL1ABC";
    run.ownPrefix = "DL";
    run.ownZone = 14;
    run.ownContinent = "EU";
    plugin.ResetStats0(run);
    QsoArgs qso;
    qso.call = "W1AW";
    qso.qsoTime = OleDateTime::FromParts(2016, 6, 4, 12, 0);
    qso.frequencyHz = 14'025'000;
    qso.mode = "CW";
    qso.rstSent = qso.rstReceived = "599";
    qso.exchangeSent = "001";
    qso.exchangeReceived = "1234";
    qso.prefix = "K";
    qso.zone = 5;
    qso.continent = "NA";
    qso.band = "20m";
    plugin.AddData0(qso);
    plugin.AddData0(qso);  // a dupe: in the file, not in the score

    std::int32_t score = 0;
    const std::string text = plugin.GetResult0(&score);
    EXPECT_EQ(score, -1);
    EXPECT_NE(text.find("Score: 3*1 = 3"), std::string::npos);
    const std::string log = fake.files.files["DL1ABC.cbr"];
    EXPECT_NE(log.find("\r\nCLAIMED-SCORE: 3\r\n"), std::string::npos);
    const std::string line = "QSO: 14025 CW 2016-06-04 1200 DL1ABC        599 001    W1AW          599 1234\r\n";
    EXPECT_NE(log.find(line + line + "END-OF-LOG:\r\n"), std::string::npos) << log;

    plugin.GetResult0(&score);
    EXPECT_EQ(score, -1);
    EXPECT_EQ(fake.files.files["DL1ABC.cbr"], log);
    EXPECT_EQ(fake.dialogs.notices.size(), 2u);

    run.exportFlag = 0;  // a run without export writes and shows nothing
    plugin.ResetStats0(run);
    fake.files.files.erase("DL1ABC.cbr");
    plugin.GetResult0(&score);
    EXPECT_EQ(score, 0);
    EXPECT_FALSE(fake.files.Exists("DL1ABC.cbr"));
    EXPECT_EQ(fake.dialogs.notices.size(), 2u);
}

}  // namespace
}  // namespace corvane

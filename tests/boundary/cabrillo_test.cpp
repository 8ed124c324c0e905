// A scoring run opened for export, through the exported functions: the header dialog at the
// start, the Cabrillo log and the "Output" notice at every result. Under Wine a second thread
// plays the operator at the real dialogs; on Linux the headless shell answers by itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/plugin_under_test.h"
#include "tests/support/work_dir.h"
#if defined(_WIN32)
#include "tests/support/dialog_driver.h"
#endif

namespace corvane {
namespace {

using host::Date;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kIni = "Plugins/Corvane.ini";
const std::string kSettings =
    "[Settings]\r\nCW=1\r\nPoints_OtherRegion=3\r\nName_Test=Corvane 2016\r\nName=Erika Muster\r\n"
    "SoapBox=Nice contest<CR><LF>73\r\n";

#if defined(_WIN32)
// The Windows operator types a name before pressing OK; the headless one changes nothing.
constexpr const char* kConfirmedName = "Erika Typed";

// Answers the header dialog: types a name, then presses OK or CANCEL.
class HeaderOperator {
public:
    explicit HeaderOperator(bool confirm)
        : watcher_("Corvane", [confirm](HWND dialog) {
              ::SetDlgItemTextA(dialog, 1007, confirm ? kConfirmedName : "typed, then cancelled");
              testing::Click(dialog, confirm ? IDOK : IDCANCEL);
          }) {}

private:
    testing::DialogWatcher watcher_;
};
#else
constexpr const char* kConfirmedName = "Erika Muster";

// The headless dialog confirms unless told to cancel.
class HeaderOperator {
public:
    explicit HeaderOperator(bool confirm) { ::setenv("CORVANE_HEADER_DIALOG", confirm ? "ok" : "cancel", 1); }
    ~HeaderOperator() { ::unsetenv("CORVANE_HEADER_DIALOG"); }
};
#endif

class CabrilloRunTest : public ::testing::Test {
protected:
    CabrilloRunTest() {
        std::filesystem::create_directory("Plugins");
        WriteBytes(kIni, kSettings);
    }

    void OpenExportRun(bool confirm) {
        Date start = Date::FromParts(2016, 6, 4, 12);
        Date end = Date::FromParts(2016, 6, 5, 11, 59);
        const HeaderOperator answering(confirm);
        ASSERT_EQ(api.ResetStats0("", 1, "DL1ABC/P", &start, &end, "", "", "", "", "", "", "", "", "", "DL", 0, 14, 0,
                                  0.0, 0.0, "", "EU", ""),
                  1);
    }

    void AddQso(const char* call, unsigned frequencyHz, Date time) {
        api.AddData0("DL1ABC/P", call, &time, nullptr, nullptr, nullptr, 0, frequencyHz, "CW", "599", "599", "001",
                     "1234", "", "", "", "", "", "", "", "", "", "K", 0, 5, 0, 0.0, 0.0, "", "NA", "", "20m", "");
    }

    // Asks for the result; returns the notice the operator saw, as "caption: text".
    std::string ResultNotice(int& score) {
#if defined(_WIN32)
        std::string notice;
        {
            testing::DialogWatcher reader("Output", [&notice](HWND box) {
                notice = "Output: " + testing::ControlText(box, testing::kMessageTextId);
                ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            });
            api.GetResult0(&score);
        }
        return notice;
#else
        ::testing::internal::CaptureStderr();
        api.GetResult0(&score);
        std::string notice = ::testing::internal::GetCapturedStderr();
        if (!notice.empty() && notice.back() == '\n') notice.pop_back();
        return notice;
#endif
    }

    testing::WorkDir dir;  // first: the library is loaded while this is the current directory
    testing::LoadedPlugin plugin;
    host::StatsApi& api = plugin.api;
};

TEST_F(CabrilloRunTest, ConfirmedHeaderIsStoredAndEveryResultWritesTheLog) {
    OpenExportRun(true);
    EXPECT_EQ(ReadBytes(kIni), "[Settings]\r\nCW=1\r\nPoints_OtherRegion=3\r\nName_Test=Corvane 2016\r\nName=" +
                                   std::string(kConfirmedName) +
                                   "\r\nSoapBox=Nice contest<CR><LF>73\r\nOperators=DL1ABC/P\r\nAddress=\r\n"
                                   "Address_City=\r\nAddress_PostalCode=\r\nAddress_Country=\r\nCategory=SINGLE-OP\r\n"
                                   "Power=HIGH\r\nContest=Corvane 2016\r\nEmail=\r\nClub=\r\nOfftime=\r\nStart=1\r\n");
    const Date time = Date::FromParts(2016, 6, 4, 12, 3);
    AddQso("W1AW", 14'025'000, time);
    AddQso("W1AW", 14'025'000, time);  // a dupe: written, not scored

    int score = 0;
    EXPECT_EQ(ResultNotice(score), "Output: File produced: DL1ABC_P.cbr");
    EXPECT_EQ(score, -1);
    const std::string log = ReadBytes("DL1ABC_P.cbr");
    EXPECT_EQ(log, "START-OF-LOG: 3.0\r\n"
                   "CONTEST: Corvane 2016\r\n"
                   "CALLSIGN: DL1ABC/P\r\n"
                   "CATEGORY-OPERATOR: SINGLE-OP\r\n"
                   "CATEGORY-POWER: HIGH\r\n"
                   "CATEGORY-TRANSMITTER: \r\n"
                   "OPERATORS: DL1ABC/P\r\n"
                   "CLAIMED-SCORE: 3\r\n"
                   "CREATED-BY: Nolvex \r\n"
                   "NAME: " + std::string(kConfirmedName) + "\r\n"
                   "ADDRESS: \r\n"
                   "ADDRESS-CITY: \r\n"
                   "ADDRESS-POSTALCODE: \r\n"
                   "ADDRESS-COUNTRY: \r\n"
                   "EMAIL: \r\n"
                   "SOAPBOX: Nice contest\r\n"
                   "SOAPBOX: 73\r\n"
                   "QSO: 14025 CW 2016-06-04 1203 DL1ABC/P      599 001    W1AW          599 1234\r\n"
                   "QSO: 14025 CW 2016-06-04 1203 DL1ABC/P      599 001    W1AW          599 1234\r\n"
                   "END-OF-LOG:\r\n");

    // The next result writes the same file again and says so again.
    EXPECT_EQ(ResultNotice(score), "Output: File produced: DL1ABC_P.cbr");
    EXPECT_EQ(score, -1);
    EXPECT_EQ(ReadBytes("DL1ABC_P.cbr"), log);
}

TEST_F(CabrilloRunTest, CancelledHeaderStoresNothingButTheLogIsStillWritten) {
    OpenExportRun(false);
    EXPECT_EQ(ReadBytes(kIni), kSettings + "Start=1\r\n");

    int score = 0;
    EXPECT_EQ(ResultNotice(score), "Output: File produced: DL1ABC_P.cbr");
    EXPECT_EQ(score, -1);
    EXPECT_NE(ReadBytes("DL1ABC_P.cbr").find("\r\nNAME: Erika Muster\r\n"), std::string::npos);
}

#if defined(_WIN32)
// The CREATED-BY line names the version of the first program called "...Nolvex..." in the
// current directory; the stand-ins are built with the two version resources.
TEST_F(CabrilloRunTest, CreatedByCarriesTheHostProgramsVersion) {
    const auto program = [](const char* name) { return host::ProgramFolder() / name; };
    struct Case {
        std::vector<std::pair<const char*, const char*>> copies;  // built program, name here
        const char* expectedLine;
    };
    const Case cases[] = {
        {{{"host_version_3_1_4.exe", "Logger.exe"}, {"host_version_2_19.exe", "Nolvex.exe"}},
         "\r\nCREATED-BY: Nolvex 2.19\r\n"},
        {{{"host_version_3_1_4.exe", "Nolvex.exe"}}, "\r\nCREATED-BY: Nolvex 3.1.4\r\n"},
    };
    for (const Case& c : cases) {
        for (const auto& [built, name] : c.copies)
            std::filesystem::copy_file(program(built), name, std::filesystem::copy_options::overwrite_existing);
        OpenExportRun(true);
        int score = 0;
        EXPECT_EQ(ResultNotice(score), "Output: File produced: DL1ABC_P.cbr");
        EXPECT_NE(ReadBytes("DL1ABC_P.cbr").find(c.expectedLine), std::string::npos) << c.expectedLine;
        for (const auto& copy : c.copies) std::filesystem::remove(copy.second);
    }
}
#endif

}  // namespace
}  // namespace corvane

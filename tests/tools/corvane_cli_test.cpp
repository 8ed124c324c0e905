// The command-line host end to end, through the real plug-in library built beside the tests:
// scored logs against expected files, the call check, and what bad input gives.
#include "tools/corvane_cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/work_dir.h"
#include "tools/plugin_library.h"

namespace corvane::host {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

fs::path TestData() { return ProgramFolder() / "testdata"; }

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Corvane(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCorvane(args, out, err);
    return {status, out.str(), err.str()};
}

std::string WithPlainLineEnds(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

// Each folder of the test data holds a log, its settings and the result text and error log the
// plug-in must produce from them; a cty.dat of its own, or else the system's country file.
class ScoredLogTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ScoredLogTest, ResultTextAndErrorLogAreExact) {
    const fs::path scenario = TestData() / GetParam();
    fs::path log, settings;
    for (const auto& entry : fs::directory_iterator(scenario)) {
        if (entry.path().extension() == ".adi") log = entry.path();
        if (entry.path().extension() == ".ini") settings = entry.path();
    }
    const fs::path countries =
        fs::exists(scenario / "cty.dat") ? scenario / "cty.dat" : TestData() / "hamradio-files" / "cty.dat";
    testing::WorkDir dir;

    const Outcome run =
        Corvane({"score", log.string(), "--ini", settings.string(), "--cty", countries.string(), "--out", "run"});
    ASSERT_EQ(run.status, kDone) << run.err;
    const std::string expected = ReadBytes(scenario / "expected-result.txt");
    EXPECT_EQ(ReadBytes("run/result.txt"), expected);
    EXPECT_EQ(ReadBytes("run/err.txt"), ReadBytes(scenario / "expected-err.txt"));
    const std::string shown = WithPlainLineEnds(expected) + "\n";  // as a terminal shows it
    EXPECT_EQ(run.out.substr(0, shown.size()), shown);
}

INSTANTIATE_TEST_SUITE_P(Logs, ScoredLogTest, ::testing::Values("sample-cw", "ssb-run"));

// On Linux the header dialog confirms the header stored in the settings file, so an export run
// needs no screen; on Windows the real dialog would wait for the operator.
#if !defined(_WIN32)
TEST(CabrilloRunTest, SampleLogIsExportedExactly) {
    const fs::path scenario = TestData() / "sample-cw";
    testing::WorkDir dir;
    const Outcome run = Corvane({"score", (scenario / "sample-cw.adi").string(), "--ini",
                                 (scenario / "sample-cw.ini").string(), "--cty",
                                 (TestData() / "hamradio-files" / "cty.dat").string(), "--out", "run", "--cabrillo"});
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_EQ(ReadBytes("run/DL5CVN.cbr"), ReadBytes(scenario / "expected.cbr"));
    EXPECT_EQ(ReadBytes("run/result.txt"), ReadBytes(scenario / "expected-result.txt"));
}
#endif

// A small log against the fixture country file, for the tests below.
class CorvaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes("log.adi",
                   "<CALL:6>DL1ABC <QSO_DATE:8>20240601 <TIME_ON:4>1200 <BAND:3>40m <MODE:2>CW <STX:3>001 "
                   "<SRX:3>011 <STATION_CALLSIGN:6>DL5CVN <EOR>\n"
                   "<CALL:6>DL1ABC <QSO_DATE:8>20240601 <TIME_ON:4>1300 <BAND:3>20m <MODE:2>CW <STX:3>002 "
                   "<SRX:3>012 <EOR>\n"
                   "<CALL:6>XX1XYZ <QSO_DATE:8>20240602 <TIME_ON:4>0900 <BAND:3>20m <MODE:2>CW <STX:3>003 "
                   "<SRX:3>013 <EOR>\n"
                   "<CALL:6>xx1xyz <QSO_DATE:8>20240602 <TIME_ON:4>1000 <BAND:3>40m <MODE:2>CW <STX:3>004 "
                   "<SRX:3>014 <EOR>\n");
    }
    // The command with the fixture country file and settings for a CW run; options given later win.
    std::vector<std::string> Args(const std::vector<std::string>& args) const {
        std::vector<std::string> all{args.front(), "--cty", cty, "--points", "1,2,3,5", "--mode", "CW"};
        all.insert(all.end(), args.begin() + 1, args.end());
        return all;
    }

    testing::WorkDir dir;
    const std::string cty = (TestData() / "countries" / "cty.dat").string();
};

TEST_F(CorvaneTest, UnknownCallsAreScoredAndListed) {
    const Outcome run = Corvane(Args({"score", "log.adi"}));
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_NE(run.out.find("Total\t 4\t 8\t 4\t 0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("4 QSOs in the log: 4 taken by the plug-in, 0 rejected (see err.txt)\n"
                           "Not in the country file, passed with no prefix, continent or zone:\n"
                           "  XX1XYZ (records 3, 4)\n"),
              std::string::npos)
        << run.out;
    // The default working folder is new beside the log, every time.
    EXPECT_TRUE(fs::exists("log-corvane/result.txt"));
    ASSERT_EQ(Corvane(Args({"score", "log.adi"})).status, kDone);
    EXPECT_TRUE(fs::exists("log-corvane-2/result.txt"));
}

TEST_F(CorvaneTest, OptionsOverTheSettingsFile) {
    WriteBytes("my.ini", "[Settings]\r\nPoints_MyRegion=9\r\nSSB=1\r\nName=A. Operator\r\n");
    const Outcome run =
        Corvane({"score", "log.adi", "--cty", cty, "--ini", "my.ini", "--points", "1,2,3,-5", "--mode", "cw",
                 "--contest", "CORVANE-CW", "--start", "2024-06-01", "--end", "2024-06-03 11:59", "--out", "run"});
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_EQ(ReadBytes("run/Plugins/Corvane.ini"),
              "[Settings]\r\nPoints_MyRegion=1\r\nSSB=0\r\nName=A. Operator\r\nPoints_MyRegion_Portable=2\r\n"
              "Points_OtherRegion=3\r\nPoints_OtherRegion_Portable=-5\r\nCW=1\r\nName_Test=CORVANE-CW\r\n"
              "Claimed=32\r\n");
    EXPECT_EQ(ReadBytes("run/result.txt").substr(0, 32), "  Corvane CW 01.06-03.06.2024 \r\n");
    EXPECT_EQ(ReadBytes("my.ini"), "[Settings]\r\nPoints_MyRegion=9\r\nSSB=1\r\nName=A. Operator\r\n");
}

TEST_F(CorvaneTest, CheckAnswersForTheNextQso) {
    const struct {
        std::vector<std::string> args;
        const char* answer;
    } cases[] = {
        {{"check", "log.adi", "dl1abc", "--band", "20M"},
         "DL1ABC on 20m in CW: dupe, already worked on 20m in CW\nLast exchange received from DL1ABC: 011\n"},
        {{"check", "log.adi", "DL2XYZ", "--band", "40"},
         "DL2XYZ on 40m in CW: not a dupe; DL is already worked on 40m\n"},
        {{"check", "log.adi", "DL1ABC", "--band", "80m"},
         "DL1ABC on 80m in CW: new: DL is not worked on 80m yet\nLast exchange received from DL1ABC: 012\n"},
        {{"check", "log.adi", "XX2AA", "--band", "20m"},
         "XX2AA on 20m in CW: not a dupe; its entity is already worked on 20m\n"
         "XX2AA is not in the country file; it was asked about with no prefix.\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = Corvane(Args(c.args));
        EXPECT_EQ(run.status, kDone) << run.err;
        EXPECT_EQ(run.out, c.answer);
    }
    EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"log.adi"});  // the replay left nothing behind
}

TEST_F(CorvaneTest, MalformedLogsStopBeforeAnyFileIsWritten) {
    const struct {
        const char* bytes;
        const char* message;
    } cases[] = {
        {"<CALL:6>DL1ABC<EOR>\n<CALL:6>DL2",
         "record 2, byte offset 20: field CALL has the length 6 but only 3 bytes follow"},
        {"<CALL:6>DL1ABC<EOR>\n<CALL:6>DL2ABC<SRX:3", "record 2, byte offset 34: tag '<SRX:3' is not closed by '>'"},
        {"<CALL:six>DL1ABC<EOR>", "record 1, byte offset 0: field CALL has the length 'six', not a number"},
    };
    for (const auto& c : cases) {
        WriteBytes("bad.adi", c.bytes);
        const Outcome run = Corvane(Args({"score", "bad.adi"}));
        EXPECT_EQ(run.status, kBadInput);
        EXPECT_NE(run.err.find("bad.adi is not a valid ADIF log: " + std::string(c.message) + "\n"), std::string::npos)
            << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"bad.adi", "log.adi"}));
    }
}

TEST_F(CorvaneTest, WhatCannotBeUsedIsNamed) {
#if defined(_WIN32)
    const std::string otherLibrary = "kernel32.dll";
#else
    const std::string otherLibrary = "libc.so.6";
#endif
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"score", "log.adi", "--cty", "nowhere/cty.dat"},
         kCannotRun,
         "corvane: cannot read the country file nowhere/cty.dat; the package hamradio-files installs one as "
         "/usr/share/hamradio-files/cty.dat, and --cty FILE names another\n"},
        {Args({"score", "log.adi", "--plugin", "nowhere/libStats.so"}), kCannotRun,
         "corvane: the plug-in library: cannot load nowhere/libStats.so"},
        {Args({"score", "log.adi", "--plugin", otherLibrary}), kCannotRun,
         "corvane: the plug-in library " + otherLibrary + " does not export ResetStats0\n"},
        {Args({"score", "missing.adi"}), kBadInput, "corvane: cannot read the log "},
        {Args({"score", "log.adi", "--points", "1,2,3"}), kBadInput,
         "corvane: --points 1,2,3: give four whole numbers, such as 1,2,3,6\n"},
        {Args({"score", "log.adi", "--start", "1 June"}), kBadInput,
         "corvane: --start 1 June: give a date as YYYY-MM-DD or \"YYYY-MM-DD HH:MM\"\n"},
        {Args({"score", "log.adi", "--mode", "FT8"}), kBadInput,
         "corvane: --mode FT8: the contest runs in CW or SSB\n"},
        {Args({"check", "log.adi", "DL1ABC"}), kBadInput,
         "corvane: check needs the band of the QSO asked about: --band 40m\n"},
        {{"score", "log.adi", "--frobnicate"},
         kBadInput,
         "corvane: unknown option --frobnicate (corvane --help lists them)\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = Corvane(c.args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message);
    }
    EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"log.adi"});
}

}  // namespace
}  // namespace corvane::host

// The settings cases every profile store must pass: run natively against our INI store and
// under Wine against the Windows private-profile calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/work_dir.h"

namespace corvane {
namespace {

constexpr const char* kPath = "Plugins\\Corvane.ini";

struct Write {
    const char* section;
    const char* key;
    std::string value;
};

struct Read {
    const char* section;
    const char* key;
    const char* fallback;
    std::size_t room;
    std::string expected;
};

struct ProfileCase {
    const char* name;
    std::optional<std::string> fileBefore;  // nothing: no file
    std::vector<Write> writes;
    std::vector<Read> reads;
    std::optional<std::string> fileAfter;  // exact bytes, when the case pins them
};

const std::string kLong(120, 'x');

const ProfileCase kCases[] = {
    {"missing file gives the default", std::nullopt, {},
     {{"Settings", "Points_MyRegion", "", 99, ""}, {"Settings", "Operators", "DL1ABC", 49, "DL1ABC"}}, std::nullopt},
    {"first write creates file, section and key", std::nullopt, {{"Settings", "Points_MyRegion", "10"}},
     {{"Settings", "Points_MyRegion", "", 99, "10"}}, "[Settings]\r\nPoints_MyRegion=10\r\n"},
    {"names match without regard to case, blanks dropped", "[settings]\r\n  points_myregion =  12  \r\n", {},
     {{"Settings", "Points_MyRegion", "", 99, "12"}, {"SETTINGS", "POINTS_MYREGION", "", 99, "12"}}, std::nullopt},
    {"missing section or key gives the default", "[Other]\r\nCW=1\r\n", {},
     {{"Settings", "CW", "", 99, ""}, {"Other", "SSB", "0", 99, "0"}, {"Other", "CW", "", 99, "1"}}, std::nullopt},
    {"long value is cut to the room", "[Settings]\r\nName_Test=" + kLong + "\r\n", {},
     {{"Settings", "Name_Test", "", 99, kLong.substr(0, 99)}, {"Settings", "Name_Test", "", 49, kLong.substr(0, 49)}},
     std::nullopt},
    {"existing value is replaced in place", "[Settings]\r\nCW=1\r\nSSB=0\r\n", {{"Settings", "CW", "0"}},
     {{"Settings", "CW", "", 99, "0"}, {"Settings", "SSB", "", 99, "0"}}, "[Settings]\r\nCW=0\r\nSSB=0\r\n"},
    {"new key joins its section, other sections untouched", "[Settings]\r\nCW=1\r\n[Other]\r\nCW=9\r\n",
     {{"Settings", "SSB", "1"}},
     {{"Settings", "SSB", "", 99, "1"}, {"Settings", "CW", "", 99, "1"}, {"Other", "CW", "", 99, "9"}},
     std::nullopt},
    {"new section is added", "[Other]\r\nA=1\r\n", {{"Settings", "Start", "1"}},
     {{"Settings", "Start", "", 99, "1"}, {"Other", "A", "", 99, "1"}}, std::nullopt},
    {"an empty value is a value", "[Settings]\r\nOperators=DL1ABC\r\n", {{"Settings", "Operators", ""}},
     {{"Settings", "Operators", "default", 49, ""}}, std::nullopt},
    {"encoded line breaks survive", std::nullopt, {{"Settings", "SoapBox", "one<CR><LF>two"}},
     {{"Settings", "SoapBox", "", 49, "one<CR><LF>two"}}, std::nullopt},
};

class ProfileStoreTest : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileStoreTest, BehavesLikeThePrivateProfileCalls) {
    const ProfileCase& c = GetParam();
    testing::WorkDir dir;
    std::filesystem::create_directory("Plugins");
    if (c.fileBefore) testing::WriteBytes("Plugins/Corvane.ini", *c.fileBefore);

    ProfileStore& store = DefaultPlatform().profile;
    for (const Write& w : c.writes) EXPECT_TRUE(store.Write(w.section, w.key, w.value, kPath)) << w.key;
    for (const Read& r : c.reads)
        EXPECT_EQ(store.Read(r.section, r.key, r.fallback, r.room, kPath), r.expected) << r.section << "/" << r.key;
    if (c.fileAfter) {
        EXPECT_EQ(testing::ReadBytes("Plugins/Corvane.ini"), *c.fileAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileStoreTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ProfileCase>& param) {
                             std::string name = param.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(ProfileStoreFolderTest, MissingFolderFailsAndCreatesNothing) {
    testing::WorkDir dir;
    ProfileStore& store = DefaultPlatform().profile;
    EXPECT_FALSE(store.Write("Settings", "Claimed", "10", kPath));
    EXPECT_FALSE(std::filesystem::exists("Plugins"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(store.Read("Settings", "Claimed", "", 99, kPath), "");
}

}  // namespace
}  // namespace corvane

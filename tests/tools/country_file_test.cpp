// The country-file lookup against a small fixture: a few entities with zone and continent
// overrides, exact calls and entities that count only for WAE.
#include "tools/country_file.h"

#include <gtest/gtest.h>

#include "tests/support/work_dir.h"
#include "tools/plugin_library.h"

namespace corvane::host {
namespace {

const std::filesystem::path kFixture = "testdata/countries";

CountryFile Fixture(bool withCsv = true) {
    const std::filesystem::path folder = ProgramFolder() / kFixture;
    std::string error;
    std::optional<CountryFile> file = CountryFile::Parse(testing::ReadBytes(folder / "cty.dat"),
                                                         withCsv ? testing::ReadBytes(folder / "cty.csv") : "", error);
    if (!file) throw std::runtime_error("fixture: " + error);
    return std::move(*file);
}

struct Lookup {
    const char* call;
    const char* prefix;  // empty: not found
    bool waeOnly;
    const char* dxccPrefix;
    const char* continent;
    int cqZone;
    int ituZone;
};

TEST(CountryFileTest, FindsEntityContinentAndZones) {
    const CountryFile countries = Fixture();
    EXPECT_EQ(countries.EntityCount(), 13u);
    const Lookup cases[] = {
        {"DL1ABC", "DL", false, "DL", "EU", 14, 28},
        {"dl1abc", "DL", false, "DL", "EU", 14, 28},    // case ignored
        {"EA8XYZ", "EA8", false, "EA8", "AF", 33, 36},  // the longest prefix wins over EA
        {"EA1XYZ", "EA", false, "EA", "EU", 14, 37},
        {"IT9ABC", "IT9", true, "I", "EU", 15, 28},  // WAE only, part of Italy
        {"IH9XYZ", "IG9", true, "I", "AF", 33, 37},
        {"GM3ZET", "GM/s", true, "GM", "EU", 14, 27},  // exact call of a WAE entity
        {"GM3ZE", "GM", false, "GM", "EU", 14, 27},    // ...but not its prefixes
        {"UA9XYZ", "UA9", false, "UA9", "AS", 17, 30},
        {"UA0ABC", "UA9", false, "UA9", "AS", 19, 34},  // zone overrides of a prefix
        {"R9FM", "UA9", false, "UA9", "EU", 16, 30},    // overrides of an exact call
        {"R9FMA", "UA9", false, "UA9", "AS", 17, 30},   // exact means the whole call
        {"KH6XX", "K", false, "K", "NA", 5, 8},         // exact call before the prefix KH6
        {"KH6XY", "KH6", false, "KH6", "OC", 31, 61},
        {"HZ1AB", "HZ", false, "HZ", "AS", 21, 39},
        {"DL1ABC/P", "DL", false, "DL", "EU", 14, 28},  // operating suffixes do not move
        {"DL1ABC/M", "DL", false, "DL", "EU", 14, 28},
        {"DL1ABC/QRP", "DL", false, "DL", "EU", 14, 28},
        {"EA8/DL1ABC", "EA8", false, "EA8", "AF", 33, 36},  // the shorter part is the prefix
        {"DL1ABC/EA8/P", "EA8", false, "EA8", "AF", 33, 36},
        {"UA1ABC/9", "UA9", false, "UA9", "AS", 17, 30},  // a call area digit moves the call
        {"II0PN/MM", "I", false, "I", "EU", 40, 28},      // an exact maritime call
        {"DL1ABC/MM", "", false, "", "", 0, 0},           // other maritime mobiles: no entity
        {"DL1ABC/AM", "", false, "", "", 0, 0},
        {"XX1ABC", "", false, "", "", 0, 0},
        {"", "", false, "", "", 0, 0},
    };
    for (const Lookup& c : cases) {
        const std::optional<CountryMatch> match = countries.Find(c.call);
        if (*c.prefix == '\0') {
            EXPECT_FALSE(match) << c.call << " found as " << match->prefix;
            continue;
        }
        ASSERT_TRUE(match) << c.call;
        EXPECT_EQ(match->prefix, c.prefix) << c.call;
        EXPECT_EQ(match->waeOnly, c.waeOnly) << c.call;
        EXPECT_EQ(match->dxccPrefix, c.dxccPrefix) << c.call;
        EXPECT_EQ(match->continent, c.continent) << c.call;
        EXPECT_EQ(match->cqZone, c.cqZone) << c.call;
        EXPECT_EQ(match->ituZone, c.ituZone) << c.call;
    }
}

TEST(CountryFileTest, WithoutTheCsvAWaeEntityKeepsItsOwnPrefix) {
    const std::optional<CountryMatch> match = Fixture(false).Find("GM3ZET");
    ASSERT_TRUE(match);
    EXPECT_TRUE(match->waeOnly);
    EXPECT_EQ(match->dxccPrefix, "GM/s");
}

TEST(CountryFileTest, MalformedFilesNameTheLine) {
    const struct {
        std::string_view text;
        const char* error;
    } cases[] = {
        {"Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL;\nItaly: 15: EU: 42.82: -12.58: -1.0: I:\n    I;",
         "line 3: an entity needs eight fields separated by ':' before its prefixes"},
        {"\nGermany: 14: x: EU: 51.00: -10.00: -1.0: DL:\n    DL;", "line 2: the zones of Germany are not numbers"},
        {"Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL,\n    DK(14;",
         "line 1: 'DK(14' has an override without its closing ')'"},
        {"Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL[x];",
         "line 1: 'DL[x]' has a zone that is not a number"},
        {"Germany: 14: 28: EU: 51.00: -10.00: -1.0: :\n    DL;", "line 1: Germany has no primary prefix"},
        {"\r\n", "no entities in it"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(CountryFile::Parse(c.text, "", error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
}  // namespace corvane::host

// Reading ADIF logs: what well-formed files yield, and where malformed ones are caught.
#include "tools/adif.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane::host {
namespace {

using Fields = std::map<std::string, std::string>;

std::vector<Fields> Records(const AdifLog& log) {
    std::vector<Fields> records;
    for (const AdifRecord& record : log.records) {
        Fields fields;
        for (const AdifField& field : record.fields) fields[field.name] = field.value;
        records.push_back(fields);
    }
    return records;
}

struct WellFormed {
    const char* what;
    std::string_view bytes;
    std::vector<Fields> records;
};

TEST(AdifTest, WellFormedLogs) {
    const WellFormed cases[] = {
        {"no header", "<CALL:6>DL1ABC<EOR>", {{{"CALL", "DL1ABC"}}}},
        {"header text and fields, names in any case, a data type",
         "Exported log\r\n<adif_ver:5>3.1.4 <EOH>\r\n<call:6>DL1ABC <Freq:5:N>7.012 <eor>\r\n",
         {{{"CALL", "DL1ABC"}, {"FREQ", "7.012"}}}},
        {"the length decides, whatever the data holds",
         "<COMMENT:9>a<b>\r\nc d<CALL:1>K<EOR>",
         {{{"COMMENT", "a<b>\r\nc d"}, {"CALL", "K"}}}},
        {"an empty field is kept", "<SRX:0><CALL:1>K<EOR>", {{{"SRX", ""}, {"CALL", "K"}}}},
        {"empty records are skipped", "<CALL:1>A<EOR> <EOR><CALL:1>B<eor>", {{{"CALL", "A"}}, {{"CALL", "B"}}}},
        {"an empty file", "", {}},
        {"only a header", "Exported by hand <EOH>\r\n", {}},
    };
    for (const WellFormed& c : cases) {
        const AdifLog log = ParseAdif(c.bytes);
        EXPECT_FALSE(log.error) << c.what << ": " << log.error->message;
        EXPECT_EQ(Records(log), c.records) << c.what;
    }
}

TEST(AdifTest, RecordsKnowWhereTheyStartAndAnswerByName) {
    const AdifLog log = ParseAdif("<EOH>\n<CALL:2>AB<SRX:3>001<EOR>\n<CALL:2>CD<EOR>");
    ASSERT_EQ(log.records.size(), 2u);
    EXPECT_EQ(log.records[0].offset, 6u);
    EXPECT_EQ(log.records[1].offset, 32u);
    EXPECT_EQ(log.records[0].Value("SRX"), "001");
    EXPECT_EQ(log.records[1].Value("SRX"), "");
}

struct Malformed {
    const char* what;
    std::string_view bytes;
    std::size_t record;
    std::size_t offset;
    const char* message;
};

TEST(AdifTest, MalformedLogsNameRecordAndOffset) {
    const Malformed cases[] = {
        {"truncated field", "<CALL:6>DL1ABC<EOR><CALL:5", 2, 19, "tag '<CALL:5' is not closed by '>'"},
        {"tag running into the next", "<CALL:6 DL1ABC<EOR>", 1, 0, "tag '<CALL:6 DL1ABC' is not closed by '>'"},
        {"length past the end", "<CALL:6>DL1ABC<EOR><CALL:20>DL2X<EOR>", 2, 19,
         "field CALL has the length 20 but only 9 bytes follow"},
        {"length beyond any file", "<CALL:99999999999>DL1ABC<EOR>", 1, 0,
         "field CALL has the length 99999999999 but only 11 bytes follow"},
        {"non-numeric length", "<CALL:6>DL1ABC<EOR><SRX:x1>001<EOR>", 2, 19,
         "field SRX has the length 'x1', not a number"},
        {"negative length", "<CALL:-6>DL1ABC<EOR>", 1, 0, "field CALL has the length '-6', not a number"},
        {"empty length", "<CALL:>DL1ABC<EOR>", 1, 0, "field CALL has the length '', not a number"},
        {"no length", "<CALL>DL1ABC<EOR>", 1, 0, "tag <CALL> has no length"},
        {"no name", "<:3>abc<EOR>", 1, 0, "tag <:3> has no field name"},
        {"header records are not counted", "<ADIF_VER:5>3.1.4<EOH><CALL:1>A<EOR><CALL:1:>", 2, 36,
         "field CALL has the length 1 but only 0 bytes follow"},
        {"cut after a field", "<CALL:1>A<EOR>\r\n<CALL:6>DL1ABC <SRX:3>001", 2, 16,
         "the file ends inside a record (no <EOR> after its last field)"},
    };
    for (const Malformed& c : cases) {
        const AdifLog log = ParseAdif(c.bytes);
        ASSERT_TRUE(log.error) << c.what;
        EXPECT_EQ(log.error->record, c.record) << c.what;
        EXPECT_EQ(log.error->offset, c.offset) << c.what;
        EXPECT_EQ(log.error->message, c.message) << c.what;
        EXPECT_TRUE(log.records.empty()) << c.what;
    }
}

}  // namespace
}  // namespace corvane::host

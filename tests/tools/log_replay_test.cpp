// Turning ADIF records into the QSOs the host passes to the plug-in.
#include "tools/log_replay.h"

#include <gtest/gtest.h>

#include "tests/support/work_dir.h"

namespace corvane::host {
namespace {

TEST(LogReplayTest, QsoTimes) {
    const struct {
        const char* date;
        const char* time;
        const char* formatted;
    } cases[] = {
        {"20240601", "1203", "2024-06-01 12:03:00"},
        {"20240601", "120359", "2024-06-01 12:03:59"},
        {"20240229", "0000", "2024-02-29 00:00:00"},
        {"20230229", "0000", "Invalid DateTime"},
        {"20241301", "1200", "Invalid DateTime"},
        {"20240601", "2400", "Invalid DateTime"},
        {"20240601", "12", "Invalid DateTime"},
        {"2024-06-01", "1200", "Invalid DateTime"},
        {"", "", "Invalid DateTime"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatOleDate(QsoTime(c.date, c.time), "%Y-%m-%d %H:%M:%S"), c.formatted) << c.date << " " << c.time;
}

TEST(LogReplayTest, FrequenciesAndBands) {
    const struct {
        const char* megahertz;
        std::optional<unsigned> hertz;
        const char* band;
    } cases[] = {
        {"7.0125", 7'012'500u, "40m"},
        {" 14 ", 14'000'000u, "20m"},
        {"1.8", 1'800'000u, "160m"},
        {"29.7", 29'700'000u, "10m"},
        {"3.5000009", 3'500'000u, "80m"},  // below a hertz is dropped
        {"18.080", 18'080'000u, "17m"},
        {".475", 475'000u, "630m"},
        {"30", 30'000'000u, ""},  // between the bands
        {"4294.967295", 4'294'967'295u, ""},
        {"4294.967296", std::nullopt, ""},
        {"7,012", std::nullopt, ""},
        {"-7.012", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyHz(c.megahertz), c.hertz) << c.megahertz;
        EXPECT_EQ(BandOfFrequency(FrequencyHz(c.megahertz).value_or(0)), c.band) << c.megahertz;
    }
}

TEST(LogReplayTest, ModesAsTheHostNamesThem) {
    const struct {
        const char* mode;
        const char* submode;
        const char* host;
    } cases[] = {
        {"CW", "", "CW"},   {"cw", "", "CW"},     {"SSB", "USB", "SSB"},   {"SSB", "LSB", "SSB"}, {"USB", "", "SSB"},
        {"", "LSB", "SSB"}, {"RTTY", "", "RTTY"}, {"MFSK", "FT4", "MFSK"}, {"", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(HostMode(c.mode, c.submode), c.host) << c.mode << "/" << c.submode;
}

CountryFile Countries() {
    const std::filesystem::path folder = ProgramFolder() / "testdata/countries";
    std::string error;
    return *CountryFile::Parse(testing::ReadBytes(folder / "cty.dat"), testing::ReadBytes(folder / "cty.csv"), error);
}

TEST(LogReplayTest, RecordsBecomeHostQsos) {
    const CountryFile countries = Countries();
    const AdifLog log = ParseAdif(
        "<call:8>it9abc/p <qso_date:8>20240601 <time_on:4>1203 <freq:6>7.0125 <band:3>40M <mode:2>cw "
        "<rst_sent:3>599 <rst_rcvd:3>579 <stx:1>7 <stx_string:3>007 <srx:2>12 <eor>"
        "<CALL:6>GM3ZET <FREQ:6>14.025 <MODE:3>SSB <SUBMODE:3>USB <STX:3>008 <SRX_STRING:3>042 <EOR>"
        "<CALL:6>XX1ABC <BAND:3>17m <FREQ:4>3.51 <EOR>");
    ASSERT_EQ(log.records.size(), 3u);

    const HostQso first = ToHostQso(log.records[0], 1, countries);
    EXPECT_EQ(first.record, 1u);
    EXPECT_EQ(first.station.call, "IT9ABC/P");
    EXPECT_EQ(first.station.prefix, "IT9");  // the plug-in folds it into I itself
    EXPECT_EQ(first.station.continent, "EU");
    EXPECT_EQ(first.station.zone, 28);  // the ITU zone
    EXPECT_EQ(FormatOleDate(first.time, "%Y-%m-%d %H%M"), "2024-06-01 1203");
    EXPECT_EQ(first.frequencyHz, 7'012'500u);
    EXPECT_EQ(first.band, "40m");
    EXPECT_EQ(first.mode, "CW");
    EXPECT_EQ(first.rstSent, "599");
    EXPECT_EQ(first.rstReceived, "579");
    EXPECT_EQ(first.exchangeSent, "007");  // the text field before the number
    EXPECT_EQ(first.exchangeReceived, "12");

    const HostQso second = ToHostQso(log.records[1], 2, countries);
    EXPECT_EQ(second.station.prefix, "GM");  // a WAE-only entity goes as its DXCC entity
    EXPECT_EQ(second.band, "20m");           // from the frequency
    EXPECT_EQ(second.mode, "SSB");
    EXPECT_EQ(second.exchangeSent, "008");
    EXPECT_EQ(second.exchangeReceived, "042");
    EXPECT_EQ(second.time.status, OleDateTime::kInvalid);

    const HostQso third = ToHostQso(log.records[2], 3, countries);
    EXPECT_FALSE(third.station.known);
    EXPECT_EQ(third.station.prefix, "");
    EXPECT_EQ(third.station.continent, "");
    EXPECT_EQ(third.station.zone, 0);
    EXPECT_EQ(third.band, "17m");  // the logged band, even against the frequency
}

TEST(LogReplayTest, OwnCallAndContestPeriodComeFromTheLog) {
    const AdifLog log = ParseAdif(
        "<CALL:1>A<OPERATOR:6>dl1xyz<QSO_DATE:8>20240602<TIME_ON:4>0100<EOR>"
        "<CALL:1>B<STATION_CALLSIGN:6>DL0ABC<QSO_DATE:8>20240601<TIME_ON:4>1200<EOR>"
        "<CALL:1>C<QSO_DATE:3>bad<EOR>");
    EXPECT_EQ(OwnCallOf(log.records), "DL0ABC");
    EXPECT_EQ(OwnCallOf({log.records[0]}), "DL1XYZ");
    EXPECT_EQ(OwnCallOf({log.records[2]}), "");

    const CountryFile countries = Countries();
    std::vector<HostQso> qsos;
    for (const AdifRecord& record : log.records) qsos.push_back(ToHostQso(record, qsos.size() + 1, countries));
    OleDateTime first, last;
    SpanOfLog(qsos, first, last);
    EXPECT_EQ(FormatOleDate(first, "%Y-%m-%d %H%M"), "2024-06-01 1200");
    EXPECT_EQ(FormatOleDate(last, "%Y-%m-%d %H%M"), "2024-06-02 0100");
}

}  // namespace
}  // namespace corvane::host

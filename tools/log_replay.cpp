#include "tools/log_replay.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "tools/text.h"

namespace corvane::host {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a run of exactly `count` digits at `at`, or -1.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i])) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// The ADIF band plan, in Hz, edges included.
struct BandEdges {
    const char* band;
    std::uint32_t low, high;
};
constexpr BandEdges kBands[] = {
    {"2190m", 135'700, 137'800},
    {"630m", 472'000, 479'000},
    {"560m", 501'000, 504'000},
    {"160m", 1'800'000, 2'000'000},
    {"80m", 3'500'000, 4'000'000},
    {"60m", 5'060'000, 5'450'000},
    {"40m", 7'000'000, 7'300'000},
    {"30m", 10'100'000, 10'150'000},
    {"20m", 14'000'000, 14'350'000},
    {"17m", 18'068'000, 18'168'000},
    {"15m", 21'000'000, 21'450'000},
    {"12m", 24'890'000, 24'990'000},
    {"10m", 28'000'000, 29'700'000},
    {"8m", 40'000'000, 45'000'000},
    {"6m", 50'000'000, 54'000'000},
    {"5m", 54'000'001, 69'900'000},
    {"4m", 70'000'000, 71'000'000},
    {"2m", 144'000'000, 148'000'000},
    {"1.25m", 222'000'000, 225'000'000},
    {"70cm", 420'000'000, 450'000'000},
    {"33cm", 902'000'000, 928'000'000},
    {"23cm", 1'240'000'000, 1'300'000'000},
    {"13cm", 2'300'000'000, 2'450'000'000},
};

}  // namespace

std::string HostPrefix(const CountryMatch& match) {
    if (!match.waeOnly || match.prefix == "IT9" || match.prefix == "IG9") return match.prefix;
    return match.dxccPrefix;
}

Station LookUpStation(const CountryFile& countries, std::string_view call) {
    Station station;
    station.call = Upper(Trim(call));
    if (const std::optional<CountryMatch> match = countries.Find(station.call)) {
        station.prefix = HostPrefix(*match);
        station.continent = match->continent;
        station.zone = match->ituZone;
        station.known = true;
    }
    return station;
}

OleDateTime QsoTime(std::string_view date, std::string_view time) {
    date = Trim(date);
    time = Trim(time);
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6)) return OleDateTime::Invalid();
    const int year = Digits(date, 0, 4), month = Digits(date, 4, 2), day = Digits(date, 6, 2);
    const int hour = Digits(time, 0, 2), minute = Digits(time, 2, 2);
    const int second = time.size() == 6 ? Digits(time, 4, 2) : 0;
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        return OleDateTime::Invalid();
    return OleDateTime::FromParts(year, month, day, hour, minute, second);
}

std::optional<unsigned> FrequencyHz(std::string_view megahertz) {
    megahertz = Trim(megahertz);
    const std::size_t point = megahertz.find('.');
    const std::string_view whole = megahertz.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : megahertz.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    const auto digits = [](std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); };
    if (!digits(whole) || !digits(fraction) || whole.size() > 5) return std::nullopt;
    // Six decimals are whole hertz; finer digits are dropped.
    std::uint64_t hertz = 0;
    for (char c : whole) hertz = hertz * 10 + static_cast<unsigned>(c - '0');
    for (std::size_t i = 0; i < 6; ++i) hertz = hertz * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (hertz > UINT32_MAX) return std::nullopt;
    return static_cast<unsigned>(hertz);
}

std::string BandOfFrequency(unsigned hertz) {
    for (const BandEdges& edges : kBands)
        if (hertz >= edges.low && hertz <= edges.high) return edges.band;
    return {};
}

std::string HostBand(std::string_view band) { return Lower(Trim(band)); }

std::string HostMode(std::string_view mode, std::string_view submode) {
    const std::string upperMode = Upper(Trim(mode));
    const std::string upperSubmode = Upper(Trim(submode));
    if (upperMode == "SSB" || upperMode == "USB" || upperMode == "LSB") return "SSB";
    if (upperMode.empty() && (upperSubmode == "USB" || upperSubmode == "LSB")) return "SSB";
    return upperMode.empty() ? upperSubmode : upperMode;
}

HostQso ToHostQso(const AdifRecord& record, std::size_t number, const CountryFile& countries) {
    HostQso qso;
    qso.record = number;
    qso.station = LookUpStation(countries, record.Value("CALL"));
    qso.time = QsoTime(record.Value("QSO_DATE"), record.Value("TIME_ON"));
    qso.frequencyHz = FrequencyHz(record.Value("FREQ")).value_or(0);
    qso.band = HostBand(record.Value("BAND"));
    if (qso.band.empty()) qso.band = BandOfFrequency(qso.frequencyHz);
    qso.mode = HostMode(record.Value("MODE"), record.Value("SUBMODE"));
    qso.rstSent = record.Value("RST_SENT");
    qso.rstReceived = record.Value("RST_RCVD");
    // A serial number goes in STX/SRX, any other exchange in the _STRING fields.
    const std::string_view sent = record.Value("STX_STRING");
    const std::string_view received = record.Value("SRX_STRING");
    qso.exchangeSent = sent.empty() ? record.Value("STX") : sent;
    qso.exchangeReceived = received.empty() ? record.Value("SRX") : received;
    return qso;
}

std::string OwnCallOf(const std::vector<AdifRecord>& records) {
    for (const char* field : {"STATION_CALLSIGN", "OPERATOR"})
        for (const AdifRecord& record : records)
            if (const std::string call = Upper(Trim(record.Value(field))); !call.empty()) return call;
    return {};
}

void SpanOfLog(const std::vector<HostQso>& qsos, OleDateTime& first, OleDateTime& last) {
    first = last = OleDateTime::Invalid();
    for (const HostQso& qso : qsos) {
        if (qso.time.status != OleDateTime::kValid) continue;
        if (first.status != OleDateTime::kValid || qso.time.date < first.date) first = qso.time;
        if (last.status != OleDateTime::kValid || qso.time.date > last.date) last = qso.time;
    }
}

std::size_t ReplayLog(const StatsApi& api, const RunStart& run, const std::vector<HostQso>& qsos) {
    OleDateTime start = run.start;
    OleDateTime end = run.end;
    const Station& own = run.own;
    api.ResetStats0("", run.exportRun ? 1 : 0, own.call.c_str(), &start, &end, "", "", "", "", "", "", "", "", "",
                    own.prefix.c_str(), 0, own.zone, 0, 0.0, 0.0, "", own.continent.c_str(), "");
    std::size_t rejected = 0;
    for (const HostQso& qso : qsos) {
        OleDateTime time = qso.time;
        const Station& worked = qso.station;
        const int stored =
            api.AddData0(own.call.c_str(), worked.call.c_str(), &time, &time, &time, &time, 0, qso.frequencyHz,
                         qso.mode.c_str(), qso.rstSent.c_str(), qso.rstReceived.c_str(), qso.exchangeSent.c_str(),
                         qso.exchangeReceived.c_str(), "", "", "", "", "", "", "", "", "", worked.prefix.c_str(), 0,
                         worked.zone, 0, 0.0, 0.0, "", worked.continent.c_str(), "", qso.band.c_str(), "");
        if (stored == 0) ++rejected;
    }
    return rejected;
}

CallCheck CheckCall(const StatsApi& api, const Station& station, const std::string& band, const std::string& mode) {
    char lastExchange[10] = {};  // the host's buffer: nine characters and the terminating zero
    char unused[64] = {};
    CallCheck check;
    check.code = api.CheckCall0(station.call.c_str(), 0, 0, mode.c_str(), "", "", "", "", "", "", "", "", "",
                                station.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "", "", band.c_str(),
                                band.c_str(), lastExchange, unused);
    check.lastExchange = lastExchange;
    return check;
}

}  // namespace corvane::host

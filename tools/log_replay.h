#pragma once
// Replaying a logged contest into the plug-in as the logging program does: each ADIF record
// becomes the argument block the host passes, with the worked station's entity looked up in the
// country file.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/ole_date.h"
#include "tools/adif.h"
#include "tools/country_file.h"
#include "tools/plugin_library.h"

namespace corvane::host {

// A station as the host describes it to the plug-in.
struct Station {
    std::string call;
    std::string prefix;     // the DXCC entity's primary prefix (see HostPrefix)
    std::string continent;  // "EU"
    int zone = 0;           // ITU zone: the plug-in knows the Middle East by ITU zone 39
    bool known = false;     // false: not in the country file, fed with the three fields empty
};

// The prefix a host that counts DXCC entities passes: a WAE-only entity's DXCC entity, except
// Sicily and African Italy, which go as "IT9" and "IG9" because the plug-in folds those itself.
std::string HostPrefix(const CountryMatch& match);

// The call in upper case with its entity data; unknown calls keep empty data and zone 0.
Station LookUpStation(const CountryFile& countries, std::string_view call);

// One logged QSO in the host's form.
struct HostQso {
    std::size_t record = 0;  // counted from 1 in the log
    Station station;
    OleDateTime time = OleDateTime::Invalid();
    unsigned frequencyHz = 0;
    std::string band;  // "40m"
    std::string mode;  // "CW", "SSB"
    std::string rstSent, rstReceived, exchangeSent, exchangeReceived;
};

// Helpers of the conversion, each taking the ADIF field texts.
// "20160604" and "1523" or "152300" as a date; invalid when either is not a real date or time.
OleDateTime QsoTime(std::string_view date, std::string_view time);
// A frequency in MHz ("7.0125") in Hz; nothing when it is not a number or too high.
std::optional<unsigned> FrequencyHz(std::string_view megahertz);
// The amateur band a frequency lies in ("40m"); empty outside every band.
std::string BandOfFrequency(unsigned hertz);
// A band as the host names it: "40M" becomes "40m".
std::string HostBand(std::string_view band);
// The mode as the host names it: SSB whichever sideband (also the old "USB"/"LSB" modes),
// other modes in upper case.
std::string HostMode(std::string_view mode, std::string_view submode);

HostQso ToHostQso(const AdifRecord& record, std::size_t number, const CountryFile& countries);

// STATION_CALLSIGN, else OPERATOR, of the first record that has one; empty when none has.
std::string OwnCallOf(const std::vector<AdifRecord>& records);

// What opens a scoring run.
struct RunStart {
    Station own;
    OleDateTime start = OleDateTime::Invalid();
    OleDateTime end = OleDateTime::Invalid();
    bool exportRun = false;  // the run prepares the Cabrillo log
};

// Earliest and latest valid QSO time, for a contest period the user did not give.
void SpanOfLog(const std::vector<HostQso>& qsos, OleDateTime& first, OleDateTime& last);

// Opens a run and passes every QSO in log order; the number the plug-in rejected.
std::size_t ReplayLog(const StatsApi& api, const RunStart& run, const std::vector<HostQso>& qsos);

// What the plug-in answers about a QSO being entered: CheckCall0's code and the exchange last
// received from that call.
struct CallCheck {
    int code = 0;
    std::string lastExchange;
};
CallCheck CheckCall(const StatsApi& api, const Station& station, const std::string& band, const std::string& mode);

}  // namespace corvane::host

// The host boundary: the ten exported functions. Each converts the host's arguments (a null text
// reads as empty, a null date as invalid), keeps every exception inside the library, and calls
// the core. The names the host looks up are listed in Stats.def (Windows) and Stats.map (Linux).
#include <cstdint>
#include <string_view>

#include "plugin/exports.h"
#include "plugin/plugin.h"

using corvane::OleDateTime;

namespace {

// Guards against a text without its terminating zero running on through memory.
constexpr std::size_t kMaxTextLength = 4096;

std::string_view Text(const char* text) {
    if (text == nullptr) return {};
    std::size_t length = 0;
    while (length < kMaxTextLength && text[length] != '\0') ++length;
    return {text, length};
}

OleDateTime Date(const OleDateTime* date) { return date != nullptr ? *date : OleDateTime::Invalid(); }

corvane::Plugin& ThePlugin() {
    static corvane::Plugin plugin(corvane::DefaultPlatform());
    return plugin;
}

// Runs `body`; an exception (only memory exhaustion is expected) must not unwind into the host.
template <class Body, class Result>
Result Guard(Body body, Result onFailure) {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

}  // namespace

namespace corvane {
void ExitInstance() {
    Guard([] { ThePlugin().ExitInstance(); return 0; }, 0);
}
}  // namespace corvane

extern "C" {

int ResetStats0(const char*, int exportFlag, const char* ownCall, OleDateTime* startTime, OleDateTime* endTime,
                const char*, const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, const char* ownPrefix, int, int ownZone, int, double, double, const char*,
                const char* ownContinent, const char*) {
    corvane::RunStart run;
    run.exportFlag = exportFlag;
    run.ownCall = Text(ownCall);
    run.startTime = Date(startTime);
    run.endTime = Date(endTime);
    run.ownPrefix = Text(ownPrefix);
    run.ownZone = ownZone;
    run.ownContinent = Text(ownContinent);
    return Guard([&] { return ThePlugin().ResetStats0(run); }, 1);
}

int AddData0(const char* myCall, const char* call, OleDateTime* qsoTime, OleDateTime*, OleDateTime*, OleDateTime*,
             unsigned, unsigned frequencyHz, const char* mode, const char* rstSent, const char* rstReceived,
             const char* exchangeSent, const char* exchangeReceived, const char*, const char*, const char*,
             const char*, const char*, const char*, const char*, const char*, const char*, const char* prefix, int,
             int zone, int, double, double, const char*, const char* continent, const char*, const char* band,
             const char*) {
    corvane::QsoArgs qso;
    qso.myCall = Text(myCall);
    qso.call = Text(call);
    qso.qsoTime = Date(qsoTime);
    qso.frequencyHz = frequencyHz;
    qso.mode = Text(mode);
    qso.rstSent = Text(rstSent);
    qso.rstReceived = Text(rstReceived);
    qso.exchangeSent = Text(exchangeSent);
    qso.exchangeReceived = Text(exchangeReceived);
    qso.prefix = Text(prefix);
    qso.zone = zone;
    qso.continent = Text(continent);
    qso.band = Text(band);
    return Guard([&] { return ThePlugin().AddData0(qso); }, 0);
}

int RemoveData0(const char*, const char* call, OleDateTime*, OleDateTime*, OleDateTime*, OleDateTime*, unsigned,
                unsigned, const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, int, int, int, double, double, const char*, const char*, const char*, const char* band,
                const char*) {
    corvane::QsoArgs qso;
    qso.call = Text(call);
    qso.band = Text(band);
    return Guard([&] { return ThePlugin().RemoveData0(qso); }, 1);
}

int CheckCall0(const char* call, unsigned, unsigned, const char* mode, const char*, const char*, const char*,
               const char*, const char*, const char*, const char*, const char*, const char*, const char* prefix, int,
               int, int, double, double, const char*, const char*, const char*, const char*, const char*,
               const char* band, const char* otherBand, char* lastExchange, char*) {
    corvane::CallCheckArgs args;
    args.call = Text(call);
    args.mode = Text(mode);
    args.prefix = Text(prefix);
    args.band = Text(band);
    if (otherBand != nullptr) args.otherBand = Text(otherBand);
    return Guard(
        [&] {
            const corvane::CallCheckResult result = ThePlugin().CheckCall0(args);
            if (lastExchange != nullptr && result.lastExchange)
                corvane::CopyToExchangeBuffer(*result.lastExchange, lastExchange);
            return result.code;
        },
        static_cast<int>(corvane::kNewEntity));
}

int IsValidExchg0(const char* exchange, const char*, const char*, const char*, int, int, int) {
    return corvane::IsValidExchange(Text(exchange)) ? 1 : 0;
}

// Also exported as GetExchgCount0, which the host calls with three texts; with the caller
// removing the arguments, one function serves both.
int GetNumberOfSets() { return corvane::kNumberOfSets; }
#if !defined(_WIN32)
int GetExchgCount0() __attribute__((alias("GetNumberOfSets")));
#endif

const char* GetSetName(int setIndex) { return corvane::SetName(setIndex); }

const char* GetResult0(int* score) {
    return Guard([&] { return ThePlugin().GetResult0(score).c_str(); }, "");
}

void SetupSet0() {}

}  // extern "C"

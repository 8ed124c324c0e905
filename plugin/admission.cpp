// AddData0: decides whether a QSO takes part, reports rejects and dupes in err.txt, stores it.
#include "plugin/error_log.h"
#include "plugin/plugin.h"
#include "plugin/prefix.h"

namespace corvane {
namespace {

bool IsExcludedBand(std::string_view band) { return band == "30m" || band == "17m" || band == "12m"; }

}  // namespace

int Plugin::AddData0(const QsoArgs& qso) {
    const auto line = [&](std::string_view reason) {
        return ErrorLine(qso, FormatOleDate(qso.qsoTime, "%Y-%m-%d %H%M"), reason);
    };
    const auto reject = [&](std::string_view reason) {
        platform_.files.Append(kErrorLogPath, line(reason));
        return 0;
    };
    if (IsExcludedBand(qso.band)) return reject(kNoContestBand);
    if (qso.mode != ContestMode()) return reject(kNoContestMode);
    if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) return reject(kNoRxNumber);

    state_.bandList.Add(qso.band);

    CInfo record;
    record.call = qso.call;
    record.prefix = FoldPrefix(qso.prefix);
    record.continent = qso.continent;
    record.band = qso.band;
    record.mode = qso.mode;
    record.rstReceived = qso.rstReceived;
    record.rstSent = qso.rstSent;
    record.exchangeReceived = qso.exchangeReceived;
    record.exchangeSent = qso.exchangeSent;
    if (IsPortableCall(qso.call)) record.portableCall = qso.call;
    record.frequencyKhz = static_cast<std::int32_t>(qso.frequencyHz / 1000);
    record.region = RegionOf(qso.prefix, qso.continent, qso.zone);  // before the folding
    record.time = qso.qsoTime;

    // A dupe gets one line for every earlier record with its call, band and mode.
    const std::size_t earlier = state_.shared.Lock()->qsoList.push_back(std::move(record));
    std::string dupeLines;
    if (earlier > 0) {
        const std::string dupeLine = line(kDupeReason);
        dupeLines.reserve(dupeLine.size() * earlier);
        for (std::size_t i = 0; i < earlier; ++i) dupeLines += dupeLine;
    }
    // The log must exist after every call, but a clean QSO need not open it.
    if (!dupeLines.empty() || !platform_.files.Exists(kErrorLogPath))
        platform_.files.Append(kErrorLogPath, dupeLines);
    return 1;
}

}  // namespace corvane

// CheckCall0: while the operator types a call, is it a dupe, or a new entity on the band?
#include <algorithm>
#include <cstring>

#include "plugin/plugin.h"
#include "plugin/prefix.h"

namespace corvane {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

CallCheckResult Plugin::CheckCall0(const CallCheckArgs& args) const {
    if (args.otherBand && !SameIgnoringCase(args.band, *args.otherBand)) return {kOtherBand, std::nullopt};

    const auto shared = state_.shared.Lock();
    const QsoLog& log = shared->qsoList;
    const QsoLog::CallHistory history = log.History(args.call, args.band, args.mode);
    CallCheckResult result;
    result.lastExchange = history.last != nullptr ? history.last->exchangeReceived : std::string();
    if (history.dupe)
        result.code = kDupe;
    else
        result.code = log.EntityWorked(args.band, FoldPrefix(args.prefix)) ? kEntityWorked : kNewEntity;
    return result;
}

void CopyToExchangeBuffer(std::string_view exchange, char* buffer) {
    const std::size_t length = std::min(exchange.size(), kExchangeBufferRoom);
    std::memcpy(buffer, exchange.data(), length);
    buffer[length] = '\0';
}

}  // namespace corvane

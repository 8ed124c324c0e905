#pragma once
// The arguments of the entry points that the plug-in uses, converted from the host's pointers.
#include <cstdint>
#include <optional>
#include <string_view>

#include "plugin/ole_date.h"

namespace corvane {

// What ResetStats0 uses of its 23 arguments.
struct RunStart {
    std::int32_t exportFlag = 0;
    std::string_view ownCall;
    OleDateTime startTime = OleDateTime::Invalid();
    OleDateTime endTime = OleDateTime::Invalid();
    std::string_view ownPrefix;
    std::int32_t ownZone = 0;
    std::string_view ownContinent;
};

// What AddData0 and RemoveData0 use of their 33 arguments.
struct QsoArgs {
    std::string_view myCall;
    std::string_view call;
    OleDateTime qsoTime = OleDateTime::Invalid();
    std::uint32_t frequencyHz = 0;
    std::string_view mode;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view exchangeSent;
    std::string_view exchangeReceived;
    std::string_view prefix;
    std::int32_t zone = 0;
    std::string_view continent;
    std::string_view band;
};

// What CheckCall0 uses of its 28 arguments. The band guard applies only when `otherBand` is given.
struct CallCheckArgs {
    std::string_view call;
    std::string_view mode;
    std::string_view prefix;
    std::string_view band;
    std::optional<std::string_view> otherBand;
};

}  // namespace corvane

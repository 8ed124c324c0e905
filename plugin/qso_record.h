#pragma once
// One admitted QSO, as the QSO list stores it.
#include <cstdint>
#include <string>

#include "plugin/ole_date.h"
#include "plugin/region_rule.h"

namespace corvane {

// One admitted QSO. Texts are compared byte for byte everywhere: case counts, no trimming.
struct CInfo {
    std::string call;
    std::string prefix;  // "IT9", "IG9" and "IH9" are stored as "I"
    std::string continent;
    std::string band;
    std::string mode;
    std::string rstReceived;
    std::string rstSent;
    std::string exchangeReceived;
    std::string exchangeSent;
    std::string portableCall;  // the call again when it ends in "/P" or "/M", otherwise empty
    std::int32_t frequencyKhz = 0;
    RegionClass region = 0;
    std::int32_t isDupe = 0;
    OleDateTime time{};
};

// True when the call's last two characters are exactly "/P" or "/M" (upper case only).
bool IsPortableCall(std::string_view call);

}  // namespace corvane

// IsValidExchg0: is a received exchange well formed?
#include <algorithm>

#include "plugin/plugin.h"

namespace corvane {

bool IsValidExchange(std::string_view exchange) {
    if (exchange.size() != 3 && exchange.size() != 4) return false;
    if (!std::all_of(exchange.begin(), exchange.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    return exchange != "599";
}

}  // namespace corvane

#pragma once
#include <string_view>

namespace corvane {

// Sicily (IT9) and African Italy (IG9, IH9) count as Italy: the multiplier is the entity "I".
inline std::string_view FoldPrefix(std::string_view prefix) {
    return prefix == "IT9" || prefix == "IG9" || prefix == "IH9" ? std::string_view("I") : prefix;
}

}  // namespace corvane

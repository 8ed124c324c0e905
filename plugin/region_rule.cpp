#include "plugin/region_rule.h"

#include <array>

namespace corvane {
namespace {

constexpr std::int32_t kMiddleEastZone = 39;

// Mongolia, Asiatic Russia and the Asian republics of the former Soviet Union lie in Region 1
// although the host gives them continent AS.
constexpr std::array<std::string_view, 9> kRegionOnePrefixes = {"JT", "UA9", "4J", "4L", "EK",
                                                                 "EX", "EY", "EZ", "UN"};

}  // namespace

RegionClass RegionOf(std::string_view prefix, std::string_view continent, std::int32_t zone) {
    if (continent == "EU") return 1;
    if (zone == kMiddleEastZone) return 1;
    for (std::string_view listed : kRegionOnePrefixes)
        if (prefix == listed) return 1;
    if (continent == "AF") return 1;
    if (continent == "NA" || continent == "SA") return 2;
    if (continent == "AS" || continent == "OC") return 3;
    return 0;
}

}  // namespace corvane

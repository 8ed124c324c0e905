#pragma once
// Maps a station to its IARU region, from the entity prefix, continent and zone the host gives.
#include <cstdint>
#include <string_view>

namespace corvane {

// 0: no region (continent not recognised), otherwise IARU Region 1, 2 or 3.
using RegionClass = std::int32_t;

// Exact, case-sensitive comparisons of whole texts: "UA9" is listed, "UA9A" and "ua9" are not.
// The zone test (ITU zone 39, the Middle East) comes before the continent tests.
RegionClass RegionOf(std::string_view prefix, std::string_view continent, std::int32_t zone);

}  // namespace corvane

#pragma once
// The date and time type of the host boundary: memory layout of the class library's
// COleDateTime (an OLE Automation date, then a 32-bit status), and its strftime-style formatting.
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

struct alignas(8) OleDateTime {
    enum Status : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

    // Days since 30 December 1899; the fraction is the time of day. Before that day the integer
    // part counts back and the fraction still counts forward in its absolute value (-1.25 is
    // 29 December 1899, 06:00).
    double date = 0.0;
    std::int32_t status = kValid;

    static OleDateTime Invalid() { return {0.0, kInvalid}; }
    static OleDateTime FromParts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
};
static_assert(sizeof(OleDateTime) == 16, "must match the host's 16-byte date object");

// Formats with strftime codes (%Y %y %m %d %H %M %S %j %%; other codes are copied as they are).
// An invalid value, or one out of range, gives "Invalid DateTime"; a null value the empty text.
std::string FormatOleDate(const OleDateTime& value, std::string_view pattern);

}  // namespace corvane

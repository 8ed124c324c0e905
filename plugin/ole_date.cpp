#include "plugin/ole_date.h"

#include <cmath>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::string_view kInvalidText = "Invalid DateTime";
constexpr double kMinDate = -657434.0;   // 1 January 100
constexpr double kMaxDate = 2958465.0;   // 31 December 9999
constexpr double kHalfSecond = 1.0 / 172800.0;
constexpr long kOleEpochFromUnix = 25569;  // days from 1899-12-30 to 1970-01-01

struct CivilTime {
    int year, month, day, hour, minute, second;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int DayOfYear(const CivilTime& t) {
    return static_cast<int>(DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(t.year, 1, 1)) + 1;
}

void AppendNumber(std::string& out, int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    out += buffer;
}

// Splits a valid date into calendar fields, rounding to the nearest second. False when the value
// is outside the years 100 to 9999, which the class library refuses as well.
bool ToCivilTime(double oleDate, CivilTime& out) {
    if (!(oleDate >= kMinDate && oleDate <= kMaxDate)) return false;  // also refuses NaN
    // Round to the second away from the epoch, so that the day rolls over at 23:59:59.5.
    const double rounded = oleDate + (oleDate > 0.0 ? kHalfSecond : -kHalfSecond);
    const long days = static_cast<long>(rounded);  // truncates toward zero, as the day count does
    const double magnitude = std::fabs(rounded);
    const long seconds = static_cast<long>((magnitude - std::floor(magnitude)) * 86400.0);
    CivilFromDays(days - kOleEpochFromUnix, out.year, out.month, out.day);
    out.hour = static_cast<int>(seconds / 3600);
    out.minute = static_cast<int>(seconds / 60 % 60);
    out.second = static_cast<int>(seconds % 60);
    return true;
}

}  // namespace

OleDateTime OleDateTime::FromParts(int year, int month, int day, int hour, int minute, int second) {
    const long days = DaysFromCivil(year, month, day) + kOleEpochFromUnix;
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return {days >= 0 ? days + fraction : days - fraction, kValid};
}

std::string FormatOleDate(const OleDateTime& value, std::string_view pattern) {
    if (value.status == OleDateTime::kNull) return {};
    CivilTime t{};
    if (value.status != OleDateTime::kValid || !ToCivilTime(value.date, t)) return std::string(kInvalidText);

    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char code = pattern[++i];
        switch (code) {
            case 'Y': AppendNumber(out, t.year, 4); break;
            case 'y': AppendNumber(out, t.year % 100, 2); break;
            case 'm': AppendNumber(out, t.month, 2); break;
            case 'd': AppendNumber(out, t.day, 2); break;
            case 'H': AppendNumber(out, t.hour, 2); break;
            case 'M': AppendNumber(out, t.minute, 2); break;
            case 'S': AppendNumber(out, t.second, 2); break;
            case 'j': AppendNumber(out, DayOfYear(t), 3); break;
            case '%': out += '%'; break;
            default: out += '%'; out += code; break;
        }
    }
    return out;
}

}  // namespace corvane

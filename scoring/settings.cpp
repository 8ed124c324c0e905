#include "scoring/settings.h"

#include <limits>

namespace corvane {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) magnitude = kLimit;  // stays clamped, never overflows
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::string SettingsFile::ReadText(std::string_view key, std::size_t room) const {
    return ReadText(key, "", room);
}

std::string SettingsFile::ReadText(std::string_view key, std::string_view fallback, std::size_t room) const {
    return store_.Read(section_, key, fallback, room, path_);
}

std::int32_t SettingsFile::ReadNumber(std::string_view key) const { return LeadingInteger(ReadText(key)); }

void SettingsFile::WriteText(std::string_view key, std::string_view value) const {
    store_.Write(section_, key, value, path_);
}

void SettingsFile::WriteIntSetting(std::string_view key, std::int64_t value) const {
    WriteText(key, std::to_string(value));
}

}  // namespace corvane

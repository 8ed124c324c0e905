#pragma once
// Reading and writing the plug-in's keys in its settings file, one key at a time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/profile_store.h"

namespace corvane {

// Room of the scoring-run and setup reads (a buffer of 100 characters).
inline constexpr std::size_t kSettingsRoom = 99;

// The leading decimal integer of a text: optional white space, an optional sign, then digits up
// to the first other character. No digits give 0; a value beyond 32 bits is clamped.
std::int32_t LeadingInteger(std::string_view text);

class SettingsFile {
public:
    SettingsFile(ProfileStore& store, std::string_view section, std::string_view path)
        : store_(store), section_(section), path_(path) {}

    // The key's text (empty when missing), cut to `room` characters.
    std::string ReadText(std::string_view key, std::size_t room = kSettingsRoom) const;
    std::string ReadText(std::string_view key, std::string_view fallback, std::size_t room) const;
    // The key's leading integer (0 when missing or not a number).
    std::int32_t ReadNumber(std::string_view key) const;

    // Failed writes are silent: the caller keeps its values in memory either way.
    void WriteText(std::string_view key, std::string_view value) const;
    void WriteIntSetting(std::string_view key, std::int64_t value) const;

private:
    ProfileStore& store_;
    std::string_view section_;
    std::string_view path_;
};

}  // namespace corvane

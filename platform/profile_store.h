#pragma once
// Key-at-a-time access to the settings (INI) file, as the Windows private-profile calls offer it.
#include <string>
#include <string_view>

namespace corvane {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // The key's value, or `fallback` when the file, section or key is missing. The result is cut
    // to `room` characters, as a buffer of room + 1 bytes would hold it.
    virtual std::string Read(std::string_view section, std::string_view key, std::string_view fallback,
                             std::size_t room, std::string_view path) = 0;

    // Creates the file, the section and the key as needed and replaces an existing value.
    // Returns false when nothing could be written (for example the folder does not exist).
    virtual bool Write(std::string_view section, std::string_view key, std::string_view value,
                       std::string_view path) = 0;
};

}  // namespace corvane

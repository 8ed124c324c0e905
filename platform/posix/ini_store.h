#pragma once
// The settings store on Linux: an INI file read and written one key at a time, the way the
// Windows private-profile calls do it for everything the plug-in uses.
#include <mutex>

#include "platform/profile_store.h"

namespace corvane {

class IniStore final : public ProfileStore {
public:
    // A "\" in the path is a folder separator; a relative path resolves against the current
    // directory. Section and key names match without regard to case; blanks around keys and
    // values are dropped.
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback, std::size_t room,
                     std::string_view path) override;

    // Lines end in CR LF. An existing key keeps its place; a new key goes after the last line of
    // its section, a new section at the end. A missing folder fails and creates nothing.
    bool Write(std::string_view section, std::string_view key, std::string_view value,
               std::string_view path) override;

private:
    std::mutex mutex_;  // the window thread writes its position while the host's thread reads
};

}  // namespace corvane

#pragma once
#include "platform/profile_store.h"

namespace corvane {

// The settings store on Windows: the system's private-profile calls.
class Win32ProfileStore final : public ProfileStore {
public:
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback, std::size_t room,
                     std::string_view path) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value,
               std::string_view path) override;
};

}  // namespace corvane

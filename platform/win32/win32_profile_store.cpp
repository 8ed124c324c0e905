#include "platform/win32/win32_profile_store.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvane {

std::string Win32ProfileStore::Read(std::string_view section, std::string_view key, std::string_view fallback,
                                    std::size_t room, std::string_view path) {
    std::vector<char> buffer(room + 1, '\0');
    const DWORD length =
        ::GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                   std::string(fallback).c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                   std::string(path).c_str());
    return std::string(buffer.data(), length);
}

bool Win32ProfileStore::Write(std::string_view section, std::string_view key, std::string_view value,
                              std::string_view path) {
    return ::WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                        std::string(value).c_str(), std::string(path).c_str()) != FALSE;
}

}  // namespace corvane

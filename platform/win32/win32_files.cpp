#include "platform/win32/win32_files.h"

#include <string>

#include "platform/win32/handles.h"

namespace corvane {
namespace {

// Opened with sharing allowed, so a viewer that has the file open does not make us fail.
bool WriteFileBytes(std::string_view path, std::string_view bytes, DWORD access, DWORD disposition) {
    const win32::UniqueFile file(::CreateFileA(std::string(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

bool Win32Files::WriteWhole(std::string_view path, std::string_view bytes) {
    return WriteFileBytes(path, bytes, GENERIC_WRITE, CREATE_ALWAYS);
}

bool Win32Files::Append(std::string_view path, std::string_view bytes) {
    return WriteFileBytes(path, bytes, FILE_APPEND_DATA, OPEN_ALWAYS);
}

bool Win32Files::Exists(std::string_view path) {
    return ::GetFileAttributesA(std::string(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace corvane

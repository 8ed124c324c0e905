#include "platform/win32/win32_files.h"

#include <string>
#include <vector>

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

std::vector<std::string> Win32Files::ListPrograms() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const win32::UniqueFind find(::FindFirstFileA("*.exe", &found));
    if (!find) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (::FindNextFileA(find.get(), &found));
    return names;
}

std::optional<FileVersion> Win32Files::ReadFileVersion(std::string_view path) {
    const std::string name(path);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(name.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<char> block(size);
    if (!::GetFileVersionInfoA(name.c_str(), 0, size, block.data())) return std::nullopt;
    void* root = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), "\\", &root, &length) || root == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(root);
    return FileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}

}  // namespace corvane

#pragma once
#include "platform/file_system.h"

namespace corvane {

class Win32Files final : public FileSystem {
public:
    bool WriteWhole(std::string_view path, std::string_view bytes) override;
    bool Append(std::string_view path, std::string_view bytes) override;
    bool Exists(std::string_view path) override;
    std::vector<std::string> ListPrograms() override;
    std::optional<FileVersion> ReadFileVersion(std::string_view path) override;
};

}  // namespace corvane

#pragma once
#include "platform/file_system.h"

namespace corvane {

class PosixFiles final : public FileSystem {
public:
    bool WriteWhole(std::string_view path, std::string_view bytes) override;
    bool Append(std::string_view path, std::string_view bytes) override;
    bool Exists(std::string_view path) override;
    // Linux runs no Windows host program whose version could be read: never any.
    std::vector<std::string> ListPrograms() override { return {}; }
    std::optional<FileVersion> ReadFileVersion(std::string_view) override { return std::nullopt; }
};

}  // namespace corvane

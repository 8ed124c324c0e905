#pragma once
// The few file operations the plug-in needs. Paths are relative to the host's current directory.
#include <string>
#include <string_view>

namespace corvane {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Creates or truncates the file and writes `bytes` exactly (no newline translation).
    virtual bool WriteWhole(std::string_view path, std::string_view bytes) = 0;

    // Appends `bytes` exactly, creating the file when it is missing; the bytes are on disk when
    // this returns. Appending nothing just makes sure the file exists.
    virtual bool Append(std::string_view path, std::string_view bytes) = 0;

    virtual bool Exists(std::string_view path) = 0;
};

}  // namespace corvane

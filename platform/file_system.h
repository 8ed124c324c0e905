#pragma once
// The few file operations the plug-in needs. Paths are relative to the host's current directory.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A program's fixed file version: four 16-bit numbers, two to each word, most significant first.
struct FileVersion {
    std::uint32_t mostSignificant = 0;
    std::uint32_t leastSignificant = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Creates or truncates the file and writes `bytes` exactly (no newline translation).
    virtual bool WriteWhole(std::string_view path, std::string_view bytes) = 0;

    // Appends `bytes` exactly, creating the file when it is missing; the bytes are on disk when
    // this returns. Appending nothing just makes sure the file exists.
    virtual bool Append(std::string_view path, std::string_view bytes) = 0;

    virtual bool Exists(std::string_view path) = 0;

    // The names of the programs ("*.exe") in the current directory, in the order the file system
    // lists them; none when the listing fails.
    virtual std::vector<std::string> ListPrograms() = 0;

    // The fixed file version from a program's version resource; nothing when it has none that
    // can be read.
    virtual std::optional<FileVersion> ReadFileVersion(std::string_view path) = 0;
};

}  // namespace corvane

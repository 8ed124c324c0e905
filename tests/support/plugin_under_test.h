#pragma once
// Loads the built plug-in from beside the test program, the way a host loads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tools/plugin_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace corvane::testing {

inline std::filesystem::path ProgramFolder() {
#if defined(_WIN32)
    char buffer[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(buffer).parent_path();
#else
    return std::filesystem::canonical("/proc/self/exe").parent_path();
#endif
}

inline std::string BuiltLibraryPath() {
#if defined(_WIN32)
    return (ProgramFolder() / "Stats.dll").string();
#else
    return (ProgramFolder() / "libStats.so").string();
#endif
}

// The library and its bound functions for one test; unloaded again at the end.
struct LoadedPlugin {
    LoadedPlugin() {
        std::string error;
        library = host::PluginLibrary::Load(BuiltLibraryPath(), error);
        if (library == nullptr) throw std::runtime_error(error);
        std::string missing;
        if (!api.Bind(*library, missing)) throw std::runtime_error("not exported: " + missing);
    }

    std::unique_ptr<host::PluginLibrary> library;
    host::StatsApi api;
};

}  // namespace corvane::testing

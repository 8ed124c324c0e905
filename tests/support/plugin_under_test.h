#pragma once
// Loads the built plug-in from beside the test program, the way a host loads it.
#include <memory>
#include <stdexcept>
#include <string>

#include "tools/plugin_library.h"

namespace corvane::testing {

// The library and its bound functions for one test; unloaded again at the end.
struct LoadedPlugin {
    LoadedPlugin() {
        std::string error;
        library = host::PluginLibrary::Load(host::LibraryBesideProgram().string(), error);
        if (library == nullptr) throw std::runtime_error(error);
        std::string missing;
        if (!api.Bind(*library, missing)) throw std::runtime_error("not exported: " + missing);
    }

    std::unique_ptr<host::PluginLibrary> library;
    host::StatsApi api;
};

}  // namespace corvane::testing

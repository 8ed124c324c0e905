#include "tools/plugin_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace corvane::host {

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& path, std::string& error) {
#if defined(_WIN32)
    HMODULE module = ::LoadLibraryA(path.c_str());
    if (module == nullptr) {
        error = "cannot load " + path + " (Windows error " + std::to_string(::GetLastError()) + ")";
        return nullptr;
    }
    return std::make_unique<PluginLibrary>(LoadedHandle{reinterpret_cast<void*>(module)});
#else
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        error = "cannot load " + path + (reason != nullptr ? std::string(": ") + reason : std::string());
        return nullptr;
    }
    return std::make_unique<PluginLibrary>(LoadedHandle{handle});
#endif
}

PluginLibrary::~PluginLibrary() {
#if defined(_WIN32)
    ::FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
    ::dlclose(handle_);
#endif
}

void* PluginLibrary::Find(const char* name) const {
#if defined(_WIN32)
    return reinterpret_cast<void*>(::GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
    return ::dlsym(handle_, name);
#endif
}

std::filesystem::path ProgramFolder() {
#if defined(_WIN32)
    char buffer[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(buffer).parent_path();
#else
    return std::filesystem::canonical("/proc/self/exe").parent_path();
#endif
}

std::filesystem::path LibraryBesideProgram() {
#if defined(_WIN32)
    return ProgramFolder() / "Stats.dll";
#else
    return ProgramFolder() / "libStats.so";
#endif
}

namespace {

template <class Fn>
bool BindOne(const PluginLibrary& library, const char* name, Fn& target, std::string& missing) {
    target = reinterpret_cast<Fn>(library.Find(name));
    if (target == nullptr && missing.empty()) missing = name;
    return target != nullptr;
}

}  // namespace

bool StatsApi::Bind(const PluginLibrary& library, std::string& missing) {
    missing.clear();
    BindOne(library, "ResetStats0", ResetStats0, missing);
    BindOne(library, "AddData0", AddData0, missing);
    BindOne(library, "RemoveData0", RemoveData0, missing);
    BindOne(library, "CheckCall0", CheckCall0, missing);
    BindOne(library, "IsValidExchg0", IsValidExchg0, missing);
    BindOne(library, "GetNumberOfSets", GetNumberOfSets, missing);
    BindOne(library, "GetExchgCount0", GetExchgCount0, missing);
    BindOne(library, "GetSetName", GetSetName, missing);
    BindOne(library, "GetResult0", GetResult0, missing);
    BindOne(library, "SetupSet0", SetupSet0, missing);
    return missing.empty();
}

}  // namespace corvane::host

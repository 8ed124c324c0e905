#pragma once
// The host's side of the plug-in boundary: loads the library and finds each function by the
// name it is exported under, exactly as the logging program does.
#include <filesystem>
#include <memory>
#include <string>

#include "plugin/ole_date.h"

namespace corvane::host {

class PluginLibrary {
public:
    // Null, with `error` saying why, when the library cannot be loaded.
    static std::unique_ptr<PluginLibrary> Load(const std::string& path, std::string& error);

    struct LoadedHandle {
        void* handle;
    };
    explicit PluginLibrary(LoadedHandle loaded) : handle_(loaded.handle) {}
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The exported address of `name`, or null.
    void* Find(const char* name) const;

private:
    void* handle_;
};

// The folder of the running program, where the plug-in library is built beside it.
std::filesystem::path ProgramFolder();

// The plug-in library beside the running program: Stats.dll or libStats.so.
std::filesystem::path LibraryBesideProgram();

// The exported functions, with the argument lists the host calls them with (C calling
// convention, the caller removes the arguments).
using Date = OleDateTime;
using ResetStats0Fn = int (*)(const char*, int, const char*, Date*, Date*, const char*, const char*, const char*,
                              const char*, const char*, const char*, const char*, const char*, const char*,
                              const char*, int, int, int, double, double, const char*, const char*, const char*);
using QsoFn = int (*)(const char*, const char*, Date*, Date*, Date*, Date*, unsigned, unsigned, const char*,
                      const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                      const char*, const char*, const char*, const char*, const char*, const char*, const char*, int,
                      int, int, double, double, const char*, const char*, const char*, const char*, const char*);
using CheckCall0Fn = int (*)(const char*, unsigned, unsigned, const char*, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char*, const char*, const char*,
                             const char*, int, int, int, double, double, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char*, char*, char*);
using IsValidExchg0Fn = int (*)(const char*, const char*, const char*, const char*, int, int, int);
using GetNumberOfSetsFn = int (*)();
using GetExchgCount0Fn = int (*)(const char*, const char*, const char*);
using GetSetNameFn = const char* (*)(int);
using GetResult0Fn = const char* (*)(int*);
using SetupSet0Fn = void (*)();

struct StatsApi {
    ResetStats0Fn ResetStats0 = nullptr;
    QsoFn AddData0 = nullptr;
    QsoFn RemoveData0 = nullptr;
    CheckCall0Fn CheckCall0 = nullptr;
    IsValidExchg0Fn IsValidExchg0 = nullptr;
    GetNumberOfSetsFn GetNumberOfSets = nullptr;
    GetExchgCount0Fn GetExchgCount0 = nullptr;
    GetSetNameFn GetSetName = nullptr;
    GetResult0Fn GetResult0 = nullptr;
    SetupSet0Fn SetupSet0 = nullptr;

    // Finds every function by its plain name; false, with the first missing name, when one
    // is not exported.
    bool Bind(const PluginLibrary& library, std::string& missing);
};

// The decorated names the Windows library exports besides the plain ones, each with the plain
// name of the function it leads to.
struct DecoratedName {
    const char* decorated;
    const char* plain;
};
inline constexpr DecoratedName kDecoratedNames[] = {
    {"?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z", "ResetStats0"},
    {"?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z", "AddData0"},
    {"?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z", "RemoveData0"},
    {"?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", "CheckCall0"},
    {"?StatsIsValidExchg0@@YAHPBD000HHH@Z", "IsValidExchg0"},
    {"?GetNumberOfSets@@YAHXZ", "GetNumberOfSets"},
    {"?StatsGetExchgCount0@@YAHPBD00@Z", "GetNumberOfSets"},
    {"?GetSetName@@YAPBDH@Z", "GetSetName"},
    {"?GetResult0@@YAPBDPAH@Z", "GetResult0"},
    {"?SetupSet0@@YAXXZ", "SetupSet0"},
};

}  // namespace corvane::host

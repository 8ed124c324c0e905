// corvane: a command-line host for the Stats plug-in. It loads the library the way the logging
// program does and drives it through its exported functions.
#include <cstdio>
#include <string>

#include "tools/plugin_library.h"

namespace {

constexpr const char* kUsage =
    "usage: corvane info [LIBRARY]\n"
    "  info   load the plug-in library and show what a host sees of it\n";

#if defined(_WIN32)
constexpr const char* kDefaultLibrary = "Stats.dll";
#else
constexpr const char* kDefaultLibrary = "./libStats.so";
#endif

int Info(const std::string& path) {
    using corvane::host::PluginLibrary;
    std::string error;
    const auto library = PluginLibrary::Load(path, error);
    if (library == nullptr) {
        std::fprintf(stderr, "corvane: %s\n", error.c_str());
        return 1;
    }
    corvane::host::StatsApi api;
    std::string missing;
    if (!api.Bind(*library, missing)) {
        std::fprintf(stderr, "corvane: %s does not export %s\n", path.c_str(), missing.c_str());
        return 1;
    }
    std::printf("plug-in: %s\n", path.c_str());
    for (const char* name : {"ResetStats0", "AddData0", "RemoveData0", "CheckCall0", "IsValidExchg0",
                             "GetNumberOfSets", "GetExchgCount0", "GetSetName", "GetResult0", "SetupSet0"})
        std::printf("  %-16s found\n", name);
#if defined(_WIN32)
    for (const corvane::host::DecoratedName& name : corvane::host::kDecoratedNames) {
        const void* address = library->Find(name.decorated);
        std::printf("  %s %s\n", name.decorated,
                    address == nullptr                     ? "not exported"
                    : address == library->Find(name.plain) ? (std::string("= ") + name.plain).c_str()
                                                           : "leads elsewhere");
    }
#endif
    std::printf("scoring sets: %d, exchange fields: %d\n", api.GetNumberOfSets(),
                api.GetExchgCount0("", "", ""));
    std::printf("set 0: %s\n", api.GetSetName(0));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "info") return Info(argc > 2 ? argv[2] : kDefaultLibrary);
    std::fputs(kUsage, command.empty() || command == "--help" ? stdout : stderr);
    return command.empty() || command == "--help" ? 0 : 2;
}

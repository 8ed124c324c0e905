// Opens an export run as the host does, so that the Cabrillo header dialog shows with the
// settings of the current folder, and waits there until the dialog is closed.
// scripts/screenshot-header-dialog.sh runs it under Xvfb to take a picture of the dialog.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/plugin_library.h"

int main() {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string library = (std::filesystem::path(self).parent_path() / "Stats.dll").string();

    std::string error;
    const auto plugin = corvane::host::PluginLibrary::Load(library, error);
    corvane::host::StatsApi api;
    if (plugin == nullptr || !api.Bind(*plugin, error)) {
        std::fprintf(stderr, "show_header_dialog: %s\n", error.c_str());
        return 1;
    }
    corvane::host::Date start = corvane::host::Date::FromParts(2016, 6, 4, 12);
    corvane::host::Date end = corvane::host::Date::FromParts(2016, 6, 5, 11, 59);
    api.ResetStats0("", 1, "DL1ABC/P", &start, &end, "", "", "", "", "", "", "", "", "", "DL", 0, 14, 0, 0.0, 0.0, "",
                    "EU", "");
    return 0;
}

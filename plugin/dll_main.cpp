// The library's application object: its start-up has no work of its own; its exit closes the
// multiplier window before the global state goes away.
#include <windows.h>

#include "plugin/exports.h"

namespace corvane {
namespace {

class CTestApp {
public:
    bool InitInstance() { return true; }
    void ExitInstance() { corvane::ExitInstance(); }
};

CTestApp theApp;

}  // namespace
}  // namespace corvane

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return corvane::theApp.InitInstance() ? TRUE : FALSE;
        case DLL_PROCESS_DETACH:
            // At process exit (reserved set) the other threads are already gone and nothing
            // may be waited for; only an unload by FreeLibrary closes the window.
            if (reserved == nullptr) corvane::theApp.ExitInstance();
            return TRUE;
        default:
            return TRUE;
    }
}

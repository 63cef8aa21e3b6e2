// The module path from the instance handle DllMain kept.
#include "plugin/core/module_info.h"
#include "plugin/platform/win/module_instance.h"
#include "plugin/platform/win/wide_text.h"

char gModulePath[512] = {0};

bool findModulePath() {
    gModulePath[0] = 0;
    // Long enough for any path the system hands out; a longer one is
    // refused below rather than cut.
    wchar_t wide[32768];
    DWORD n = GetModuleFileNameW(gModuleInstance, wide, sizeof wide / sizeof wide[0]);
    if (n == 0 || n >= sizeof wide / sizeof wide[0]) return false;
    // A cut path would name another file; better none.
    return narrowInto(wide, gModulePath, sizeof gModulePath);
}

void* moduleHandle() {
    // Linked into a program rather than loaded as the DLL, the module is
    // the program's.
    return gModuleInstance ? gModuleInstance : GetModuleHandleW(nullptr);
}

// The module's own path comes from the dynamic loader, as on every POSIX
// system; on macOS finding it also finds the plug-in's bundle.
#include <dlfcn.h>

#include <cstring>

#include "bundle.h"
#include "plugin/core/module_info.h"

char gModulePath[512] = {0};

bool findModulePath() {
    Dl_info info{};
    bool found = dladdr(reinterpret_cast<void*>(&findModulePath), &info) != 0 && info.dli_fname &&
                 std::strlen(info.dli_fname) < sizeof gModulePath;
    // A cut path would name another file; better none.
    if (found)
        std::memcpy(gModulePath, info.dli_fname, std::strlen(info.dli_fname) + 1);
    else
        gModulePath[0] = 0;
    setupXTPath(kPlxBundleIdentifier);
    return found;
}

void* moduleHandle() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&findModulePath), &info) == 0) return nullptr;
    return info.dli_fbase;
}

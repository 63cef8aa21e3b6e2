// The dynamic loader knows which file each loaded address came from.
#include <dlfcn.h>

#include <cstring>

#include "plugin/core/module_info.h"

char gModulePath[512] = {0};

bool findModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&findModulePath), &info) == 0 || !info.dli_fname) {
        gModulePath[0] = 0;
        return false;
    }
    size_t n = std::strlen(info.dli_fname);
    if (n >= sizeof gModulePath) {
        // A cut path would name another file; better none.
        gModulePath[0] = 0;
        return false;
    }
    std::memcpy(gModulePath, info.dli_fname, n + 1);
    return true;
}

void* moduleHandle() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&findModulePath), &info) == 0) return nullptr;
    return info.dli_fbase;
}

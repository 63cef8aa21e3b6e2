#include "host/module_loader.h"

#include "host/platform/win/wide.h"

#include <windows.h>

namespace plxhost {

void* loadModule(const std::string& path, std::string* error) {
    std::wstring wide = toWide(path);
    // The module's own folder is searched for the DLLs it imports.
    HMODULE module = wide.empty() ? nullptr
                                  : LoadLibraryExW(wide.c_str(), nullptr,
                                                   LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module && error)
        *error = path + ": cannot load the plug-in (" + systemMessage(GetLastError()) + ")";
    return reinterpret_cast<void*>(module);
}

void* moduleSymbol(void* module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void unloadModule(void* module) {
    if (module) FreeLibrary(static_cast<HMODULE>(module));
}

} // namespace plxhost

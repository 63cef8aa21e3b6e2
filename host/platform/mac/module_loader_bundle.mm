// Plug-ins are bundles loaded with the dynamic loader, after the host's
// application has started. A bundle that defines Objective-C classes is
// never unloaded (the runtime keeps its classes), as on macOS.
#include "host/module_loader.h"

#include <dlfcn.h>

#include "host/platform/mac/cocoa_host.h"

namespace plxhost {

void* loadModule(const std::string& path, std::string* error) {
    startCocoaHost();
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module && error) *error = path + ": cannot load the plug-in (" + dlerror() + ")";
    return module;
}

void* moduleSymbol(void* module, const char* name) {
    return module ? dlsym(module, name) : nullptr;
}

void unloadModule(void*) {}

} // namespace plxhost

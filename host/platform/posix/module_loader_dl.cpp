#include "host/module_loader.h"

#include <dlfcn.h>

namespace plxhost {

void* loadModule(const std::string& path, std::string* error) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module && error) *error = path + ": cannot load the plug-in (" + dlerror() + ")";
    return module;
}

void* moduleSymbol(void* module, const char* name) {
    return module ? dlsym(module, name) : nullptr;
}

void unloadModule(void* module) {
    if (module) dlclose(module);
}

} // namespace plxhost

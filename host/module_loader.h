// Loading a plug-in module and finding its entry point: the one place the
// host talks to the platform's dynamic loader.
#pragma once

#include <string>

namespace plxhost {

// Loads the module at `path` (UTF-8). Null with *error set (the path and
// the loader's reason) when it cannot be loaded.
void* loadModule(const std::string& path, std::string* error);

// The address of the exported function `name`, or null.
void* moduleSymbol(void* module, const char* name);

void unloadModule(void* module);

} // namespace plxhost

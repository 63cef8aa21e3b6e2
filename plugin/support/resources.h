// The plug-in's own resources: window descriptions, dialog templates and
// string tables, the files of plugin/resources. A file "Name.type" is the
// resource Name of type type. Where they live is the platform's: embedded
// into the module at build time on Linux (resources_embedded.cpp), resources
// of the DLL compiled from resources.rc on Windows (resources_win.cpp).
#pragma once

#include <cstddef>

struct PlxResource {
    const char* name;
    const char* type;
    const unsigned char* data;
    size_t size;
};

// The resource of that name and type (both compared without regard to
// ASCII case), or null. The record and its bytes stay valid as long as the
// module is loaded; the bytes are not zero-terminated.
const PlxResource* findPlxResource(const char* name, const char* type);

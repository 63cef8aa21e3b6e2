// Resources embedded into the plug-in module at build time (the files of
// plugin/resources). A file "Name.type" is the resource Name of type type.
#pragma once

#include <cstddef>

struct PlxResource {
    const char* name;
    const char* type;
    const unsigned char* data;
    size_t size;
};

// The table, ended by an entry whose name is null.
extern const PlxResource kPlxResources[];

// The resource of that name and type (both compared without regard to
// ASCII case), or null.
const PlxResource* findPlxResource(const char* name, const char* type);

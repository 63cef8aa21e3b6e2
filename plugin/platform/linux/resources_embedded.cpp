// Resources compiled into the module as a table.
#include "plugin/platform/linux/embedded_resources.h"

#include <strings.h>

const PlxResource* findPlxResource(const char* name, const char* type) {
    if (!name || !type) return nullptr;
    for (const PlxResource* r = kPlxResources; r->name; ++r) {
        if (strcasecmp(r->name, name) == 0 && strcasecmp(r->type, type) == 0) return r;
    }
    return nullptr;
}

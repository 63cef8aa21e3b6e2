// Resources are files in the bundle's Resources folder, found through
// gBundleRef. A resource's bytes are read once and kept for the life of
// the module, so the returned record stays valid like an embedded one.
#include "plugin/support/resources.h"

#include <cstdio>
#include <strings.h>
#include <string>
#include <vector>

#include "bundle.h"
#include "my_pool.h"
#include "plugin/support/files.h"

namespace {

struct LoadedResource {
    std::string name;
    std::string type;
    std::vector<unsigned char> bytes;
    PlxResource record;
};

std::vector<LoadedResource*>& loadedResources() {
    static std::vector<LoadedResource*> loaded;
    return loaded;
}

bool readFile(const char* path, std::vector<unsigned char>& bytes) {
    FILE* f = fopen2(path, "rb");
    if (!f) return false;
    unsigned char block[8192];
    size_t n;
    while ((n = fread(block, 1, sizeof block, f)) > 0) bytes.insert(bytes.end(), block, block + n);
    bool ok = !ferror(f);
    fclose(f);
    return ok;
}

} // namespace

const PlxResource* findPlxResource(const char* name, const char* type) {
    if (!name || !type) return nullptr;
    for (LoadedResource* r : loadedResources()) {
        if (strcasecmp(r->name.c_str(), name) == 0 && strcasecmp(r->type.c_str(), type) == 0)
            return &r->record;
    }
    MyPool pool;
    NSString* path =
        pathForResource([NSString stringWithUTF8String:name], [NSString stringWithUTF8String:type]);
    if (!path) return nullptr;
    auto* r = new LoadedResource{name, type, {}, {}};
    if (!readFile([path fileSystemRepresentation], r->bytes)) {
        delete r;
        return nullptr;
    }
    r->record = PlxResource{r->name.c_str(), r->type.c_str(), r->bytes.data(), r->bytes.size()};
    loadedResources().push_back(r);
    return &r->record;
}

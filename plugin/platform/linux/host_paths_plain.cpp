#include "plugin/support/host_paths.h"

#include "plugin/support/bounded.h"
#include "plugin/support/paths.h"

// The host's paths are the file system's own here.
bool posixPathOf(const char* path, char* dst) {
    if (!dst) return false;
    dst[0] = 0;
    if (!path || !copyText(dst, kMyPathSize, path)) {
        dst[0] = 0;
        return false;
    }
    return true;
}

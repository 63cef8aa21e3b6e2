/* File group: file-information objects. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTFileFuncs {
    uint32_t structSize;
    /* New empty object; caller disposes. kXTMemFullErr when none. */
    int32_t (*newFileInfo)(XFileInfoRef* out);
    /* New object for a path (POSIX, as a host string); caller disposes. */
    int32_t (*fileInfoFromPath)(QXStringRef path, XFileInfoRef* out);
    /* The object's path as a new string the caller releases;
     * kXTFileNotFoundErr (out NULL) when the object holds no path. */
    int32_t (*getFilePath)(XFileInfoRef info, QXStringRef* path);
    /* Releases an object; NULL is ignored. */
    void (*disposeFileInfo)(XFileInfoRef info);
} XTFileFuncs;

#ifdef __cplusplus
}
#endif

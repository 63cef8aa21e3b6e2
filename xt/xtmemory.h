/* Memory group: host memory blocks. */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTMemoryFuncs {
    uint32_t structSize;
    /* New zero-filled block of `size` bytes (0 allowed); NULL when no
     * memory can be had. Caller disposes. */
    XTHandle (*newHandleClear)(int32_t size);
    /* Releases a block; NULL is ignored. */
    void (*disposeHandle)(XTHandle h);
    /* Size in bytes; 0 for NULL. */
    int32_t (*getHandleSize)(XTHandle h);
    /* Address of the block's bytes, stable until the block is disposed. */
    void* (*handleData)(XTHandle h);
    /* Clears `size` bytes at `address` ("clear"). */
    void (*clearMem)(void* address, int32_t size);
} XTMemoryFuncs;

#ifdef __cplusplus
}
#endif

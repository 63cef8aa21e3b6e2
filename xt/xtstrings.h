/* Host strings: the accessor-string and mutable-string groups.
 *
 * A QXStringRef is an opaque, reference-counted host string of UTF-16
 * units. Whoever receives a string from a create call, or from a host
 * function whose contract says "caller releases", releases it exactly
 * once through `release` of either group.
 */
#pragma once

#include "xt/xttypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct XTAccessorStringFuncs {
    uint32_t structSize;
    /* Makes a new string from `count` UTF-16 units (no terminator needed;
     * count 0 makes the empty string). Caller releases *out. Returns 0,
     * kXTParamErr for a null out or a negative count, kXTMemFullErr. */
    int32_t (*createFromUTF16)(const uint16_t* units, int32_t count, QXStringRef* out);
    /* Number of UTF-16 units; 0 for NULL. */
    int32_t (*length)(QXStringRef str);
    /* Copies min(length, capacity) units into dst, without a terminator,
     * and returns the number copied (0 for NULL). */
    int32_t (*copyUTF16)(QXStringRef str, uint16_t* dst, int32_t capacity);
    /* Releases one reference; NULL is ignored. */
    void (*release)(QXStringRef str);
} XTAccessorStringFuncs;

typedef struct XTMutableStringFuncs {
    uint32_t structSize;
    /* Makes a new, empty mutable string. Caller releases *out. */
    int32_t (*createMutable)(QXMutableStringRef* out);
    /* Replaces the text by `count` UTF-16 units. */
    int32_t (*setUTF16)(QXMutableStringRef str, const uint16_t* units, int32_t count);
    int32_t (*length)(QXMutableStringRef str);
    int32_t (*copyUTF16)(QXMutableStringRef str, uint16_t* dst, int32_t capacity);
    void (*release)(QXMutableStringRef str);
} XTMutableStringFuncs;

#ifdef __cplusplus
}
#endif

#include "plugin/support/bounded.h"

#include "plugin/support/unicode.h"

#include <cstring>

bool copyText(char* dst, size_t capacity, const char* src) {
    if (!dst || capacity == 0) return false;
    if (src == dst) {
        // Already in place: only the bound applies.
        size_t len = strnlen(dst, capacity);
        size_t keep = utf8CutLength(dst, len, capacity - 1);
        dst[keep] = 0;
        return keep == len;
    }
    dst[0] = 0;
    return appendText(dst, capacity, src);
}

bool appendText(char* dst, size_t capacity, const char* src) {
    if (!dst || capacity == 0) return false;
    size_t used = strnlen(dst, capacity);
    if (used == capacity) return false;
    if (!src) return true;
    size_t len = strlen(src);
    size_t n = utf8CutLength(src, len, capacity - 1 - used);
    memmove(dst + used, src, n);
    dst[used + n] = 0;
    return n == len;
}

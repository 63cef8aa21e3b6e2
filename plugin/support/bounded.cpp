#include "plugin/support/bounded.h"

#include "plugin/support/unicode.h"

#include <cstring>

bool copyText(char* dst, size_t capacity, const char* src) {
    if (!dst || capacity == 0) return false;
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

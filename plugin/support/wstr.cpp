#include "plugin/support/wstr.h"

#include <cstring>

size_t wstrlen(const uint16_t* s) {
    size_t n = 0;
    if (s)
        while (s[n])
            ++n;
    return n;
}

uint16_t* wstrcpy(uint16_t* dst, const uint16_t* src) {
    if (!dst) return dst;
    size_t n = wstrlen(src);
    if (n) memmove(dst, src, n * sizeof *dst);
    dst[n] = 0;
    return dst;
}

uint16_t* wstrcat(uint16_t* dst, const uint16_t* src) {
    if (!dst) return dst;
    wstrcpy(dst + wstrlen(dst), src);
    return dst;
}

uint16_t* wstrcpy(uint16_t* dst, const uint16_t* src, size_t capacity) {
    if (!dst || capacity == 0) return dst;
    dst[0] = 0;
    return wstrcat(dst, src, capacity);
}

uint16_t* wstrcat(uint16_t* dst, const uint16_t* src, size_t capacity) {
    if (!dst || capacity == 0) return dst;
    size_t used = 0;
    while (used < capacity && dst[used])
        ++used;
    if (used == capacity) return dst; // no terminator within capacity: leave it alone
    size_t n = wstrlen(src);
    if (n > capacity - 1 - used) n = capacity - 1 - used;
    // Do not leave the first half of a surrogate pair at the end of a cut.
    if (n > 0 && n < wstrlen(src) && src[n - 1] >= 0xD800 && src[n - 1] <= 0xDBFF) --n;
    if (n) memmove(dst + used, src, n * sizeof *dst);
    dst[used + n] = 0;
    return dst;
}

const uint16_t* wstrchr(const uint16_t* s, uint16_t c) {
    if (!s) return nullptr;
    for (; *s; ++s)
        if (*s == c) return s;
    return nullptr;
}

int wstrcmp(const uint16_t* a, const uint16_t* b) {
    size_t n = wstrlen(a);
    if (n != wstrlen(b)) return -1;
    return n ? memcmp(a, b, n * sizeof *a) : 0;
}

int wstrncmp(const uint16_t* a, const uint16_t* b, size_t n) {
    if (wstrlen(a) < n || wstrlen(b) < n) return -1;
    return n ? memcmp(a, b, n * sizeof *a) : 0;
}

const uint16_t* wstrstr(const uint16_t* text, const uint16_t* pattern) {
    size_t tn = wstrlen(text);
    size_t pn = wstrlen(pattern);
    if (pn > tn) return nullptr;
    if (pn == 0) return text;
    for (size_t i = 0; i + pn <= tn; ++i)
        if (memcmp(text + i, pattern, pn * sizeof *text) == 0) return text + i;
    return nullptr;
}

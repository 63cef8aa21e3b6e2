// Zero-terminated UTF-16 primitives (host byte order). A null string
// counts as empty wherever one is read. The two-argument copy and append
// trust the destination to hold the result; the forms with a capacity (in
// units, terminator included) never write past it and cut instead.
#pragma once

#include <cstddef>
#include <cstdint>

size_t wstrlen(const uint16_t* s);

// Copy src with its terminator; a null or empty src writes just a
// terminator. Return dst.
uint16_t* wstrcpy(uint16_t* dst, const uint16_t* src);
uint16_t* wstrcat(uint16_t* dst, const uint16_t* src);
uint16_t* wstrcpy(uint16_t* dst, const uint16_t* src, size_t capacity);
uint16_t* wstrcat(uint16_t* dst, const uint16_t* src, size_t capacity);

// The first unit of s equal to c, or null (also for c == 0).
const uint16_t* wstrchr(const uint16_t* s, uint16_t c);

// -1 when the lengths differ, otherwise the byte comparison of the units
// (0 for equal strings).
int wstrcmp(const uint16_t* a, const uint16_t* b);

// -1 when either string is shorter than n units, otherwise the byte
// comparison of their first n units.
int wstrncmp(const uint16_t* a, const uint16_t* b, size_t n);

// The first occurrence of pattern in text; null when there is none or the
// pattern is longer than the text. An empty pattern is found at the start.
const uint16_t* wstrstr(const uint16_t* text, const uint16_t* pattern);

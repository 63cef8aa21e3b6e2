// Free text functions beside MyStr: conversions between UTF-8 and the host
// 8-bit encoding (Windows-1252 here, see docs/encodings.md), the ellipsis
// for cut labels, and a substring search in raw bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// Converts the UTF-8 src into the host 8-bit encoding in dst (capacity
// bytes, terminator included). A null src or invalid UTF-8 leaves dst
// untouched and gives false. A character the encoding lacks, or a result
// that does not fit, gives false and an empty dst: the conversion is
// whole or nothing.
bool UTF8ToHost(char* dst, const char* src, int32_t capacity);

// The same in place; text is left untouched when it is not valid UTF-8.
bool UTF8ToHost(char* text, int32_t capacity);

// Converts a host 8-bit text in place to UTF-8 within capacity bytes.
// When the UTF-8 form does not fit, text becomes empty and the result is
// false.
bool HostToUTF8(char* text, int32_t capacity);

// Appends the ellipsis (U+2026, bytes E2 80 A6) to the zero-terminated
// text in a buffer of capacity bytes. When it would not fit, the text is
// first cut at a character boundary to make room, so the label still ends
// in the ellipsis. False (text untouched) when capacity is below 4 or the
// buffer holds no terminator.
bool addEllipsisToString(char* text, size_t capacity);

// The first occurrence of pattern within the first `length` bytes of text
// (which need not be zero-terminated): a match must lie wholly inside the
// range. Null when there is none, or for null arguments or length <= 0.
const char* findstr(const char* text, const char* pattern, int64_t length);

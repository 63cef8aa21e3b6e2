// Unicode conversions between UTF-8 and UTF-16, and the character-boundary
// helpers that keep cut texts valid.
//
// Decoding UTF-8 is strict: overlong forms, surrogate code points, values
// above U+10FFFF, stray continuation bytes and truncated sequences make the
// whole text invalid. Encoding UTF-16 accepts what a host may hand over:
// an unpaired surrogate becomes U+FFFD instead of failing the conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Appends the UTF-16 form of the `length` bytes at `text` to `out`.
// Returns false (and leaves `out` as it was) when the bytes are not valid
// UTF-8.
bool decodeUTF8(const char* text, size_t length, std::vector<uint16_t>& out);

// True when the `length` bytes at `text` are valid UTF-8.
bool isValidUTF8(const char* text, size_t length);

// The UTF-8 form of `count` UTF-16 units.
std::string encodeUTF8(const uint16_t* units, size_t count);

// Reads one code point from UTF-16 at units[*pos] (pos < count), advancing
// *pos. An unpaired surrogate comes back as U+FFFD.
uint32_t nextCodePoint(const uint16_t* units, size_t count, size_t* pos);

// The largest length not above `limit` at which the UTF-8 text of
// `length` bytes can be cut without splitting a character.
size_t utf8CutLength(const char* text, size_t length, size_t limit);

// Removes an incomplete multi-byte sequence from the end of a
// zero-terminated text (left over when a byte-wise cut split a character).
void trimPartialUTF8(char* text);

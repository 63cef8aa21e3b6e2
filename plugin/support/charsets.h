// The 8-bit text encodings the plug-in can write and read: Mac Roman and
// the host 8-bit encoding, which is Mac Roman on macOS and Windows-1252
// on Linux (see docs/encodings.md for the choice).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Encoding identifiers of the conversion calls.
enum : int32_t {
    kEncMacRoman = 0, // Mac Roman
    kEncHost = 1,     // the host 8-bit encoding: Windows-1252, on macOS Mac Roman
    kEncUTF8 = 2,     // UTF-8
    kEncUTF16 = 3,    // UTF-16 in host byte order
};

// True for the two 8-bit encodings this file knows.
bool is8BitEncoding(int32_t encoding);

// Writes `count` UTF-16 units as zero-terminated text of an 8-bit encoding
// into dst (capacity bytes). The conversion succeeds as a whole or not at
// all: a character the encoding lacks, or a result that does not fit with
// its terminator, gives false and an empty dst (when capacity > 0).
bool encode8Bit(int32_t encoding, const uint16_t* units, size_t count, char* dst, size_t capacity);

// Appends the UTF-16 form of a zero-terminated 8-bit text to `out`. Every
// byte has a character, so this fails only for an unknown encoding.
bool decode8Bit(int32_t encoding, const char* text, std::vector<uint16_t>& out);

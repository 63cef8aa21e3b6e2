// UTF-8 <-> UTF-16 at the Windows system calls: the plug-in's paths are
// UTF-8, the system's wide ("W") functions take UTF-16.
#pragma once

#include <cstddef>
#include <string>

// The UTF-16 form of a UTF-8 text. False (and an empty `out`) for a null
// or empty text or one that is not valid UTF-8.
bool widen(const char* utf8, std::wstring* out);

// Writes the UTF-8 form of `wide` into dst (capacity bytes, terminator
// included). False, with an empty dst, when it does not fit.
bool narrowInto(const wchar_t* wide, char* dst, size_t capacity);

// Lookup of elements in the plug-in's own small XML texts (the string
// tables and the window descriptions). This is a tag search, not a parser,
// and the texts are written to fit it:
// - an element starts at its start tag written exactly "<name>" and ends at
//   the first following "</name>"; tags compare without regard to ASCII
//   case; nesting is not tracked;
// - content is returned as raw bytes: no entity decoding, no trimming, and
//   comments or CDATA sections have no meaning;
// - names are 1 to 64 bytes; a longer or empty name, or a null text, finds
//   nothing.
#pragma once

#include <cstdint>

// Longest content getXMLString copies; its destination holds at least one
// byte more.
constexpr int32_t kXMLStringMax = 250;

// Copies the content of the first element `name` into dst (at least 251
// bytes), cut to its first 250 bytes, and returns the number of bytes
// copied. 0 when the element is missing or empty or an argument is
// invalid; dst then holds an empty text (when dst is not null).
int32_t getXMLString(const char* text, const char* name, char* dst);

// The whole content of the first element, as a new zero-terminated heap
// copy the caller releases with myfree; null when it is missing. `name`
// may carry attributes written out in full ("item id=\"3\""): the start
// tag must then match exactly, and the element ends at the end tag of the
// bare name (the name up to its first blank).
char* getXMLData(const char* text, const char* name);

// 1 for the content "true", 0 for "false" (both case-sensitive), else the
// content read as a signed decimal number (leading blanks and a sign
// accepted, stopping at the first non-digit, 0 without digits, clamped to
// the 32-bit range); `deflt` when getXMLString finds nothing.
int32_t getXMLValue(const char* text, const char* name, int32_t deflt);

// Called once per element with a heap copy of the whole element, start tag
// through end tag, zero-terminated, and its length. The copy is released
// after the call, so keep what you need by copying it. Return 1 to go on
// and 0 to stop.
using EnumXMLProc = uint8_t (*)(char* element, int32_t length, void* context);

// Reports every element `name` (tags as in getXMLData) in text order. The
// next search starts right after the previous start tag, so an element
// nested in one of the same name is reported on its own after the
// enclosing one. An element whose copy cannot be made is skipped.
void EnumXMLData(const char* text, const char* name, EnumXMLProc proc, void* context);

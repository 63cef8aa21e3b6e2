// Bounded copies into the fixed text buffers the plug-in uses everywhere.
// Both functions always terminate the destination (when capacity > 0) and
// never write past capacity bytes. A text that does not fit is cut at a
// UTF-8 character boundary, so a cut text stays valid UTF-8.
#pragma once

#include <cstddef>

// Copies src (null counts as empty) into dst. True when all of it fitted.
bool copyText(char* dst, size_t capacity, const char* src);

// Appends src to the zero-terminated text in dst. True when all of it
// fitted. A dst without a terminator within capacity is left unchanged and
// gives false.
bool appendText(char* dst, size_t capacity, const char* src);

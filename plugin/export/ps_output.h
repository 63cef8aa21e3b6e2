// Text the plug-in adds to the PostScript stream the host is writing.
#pragma once

#include <cstdint>

// Formats into a 4096-byte buffer and sends the result (at most 4095
// bytes) into the stream.
void psPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Sends length bytes of text (0 = up to its terminator).
void psSend(const char* text, int32_t length);

// A number with a fixed count of decimals and a "." as the decimal point,
// whatever the process's locale says: PostScript reads no other form.
struct PsNumber {
    char text[48];
};
PsNumber psNumber(double value, int decimals);

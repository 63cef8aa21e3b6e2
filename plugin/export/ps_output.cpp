#include "plugin/export/ps_output.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "plugin/core/xt_groups.h"

void psSend(const char* text, int32_t length) {
    if (!text) return;
    if (length == 0) length = static_cast<int32_t>(std::strlen(text));
    if (length > 0) xtutility_funchndl->psWrite(text, length);
}

void psPrintf(const char* format, ...) {
    // vsnprintf ends what it writes; only the bytes it wrote are sent.
    char buffer[4096];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n <= 0) return;
    psSend(buffer, n < static_cast<int>(sizeof buffer) ? n : static_cast<int>(sizeof buffer) - 1);
}

PsNumber psNumber(double value, int decimals) {
    PsNumber out;
    std::snprintf(out.text, sizeof out.text, "%.*f", decimals, value);
    const char* point = std::localeconv()->decimal_point;
    size_t pointLength = point ? std::strlen(point) : 0;
    if (pointLength > 0 && std::strcmp(point, ".") != 0) {
        if (char* at = std::strstr(out.text, point)) {
            *at = '.';
            std::memmove(at + 1, at + pointLength, std::strlen(at + pointLength) + 1);
        }
    }
    return out;
}

// The parts of the control-text calls that do not depend on the platform.
#include "plugin/dialogs/dialogs.h"

#include "plugin/support/bounded.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/unicode.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void setControlTextWithFormat(PlxWindow control, const char* format, ...) {
    if (!format) return;
    char text[kControlFormatSize];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n < 0) text[0] = 0;
    if (n >= kControlFormatSize) trimPartialUTF8(text);
    setControlText(control, text);
}

bool getControlText(PlxWindow control, char* buffer) {
    if (!buffer) return false;
    buffer[0] = 0;
    char* text = getControlText(control);
    if (!text) return false;
    // A text that does not fit whole is no use cut: callers parse it (page
    // ranges, numbers, names), so it comes back empty.
    bool fits = std::strlen(text) < static_cast<size_t>(kControlTextSize);
    if (fits) copyText(buffer, kControlTextSize, text);
    myfree(text);
    return fits;
}

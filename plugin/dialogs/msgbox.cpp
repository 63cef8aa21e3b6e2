#include "plugin/dialogs/msgbox.h"

#include "plugin/core/plexmoor.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"

#include <cstdio>
#include <cstring>

namespace {

// The texts of the next box; cleared when a box closes.
char sMsg1[kMsgTextSize];
char sMsg2[kMsgTextSize];

constexpr const char* kEllipsis = "\xE2\x80\xA6";
// Between the main and the secondary text: an empty line.
constexpr const char* kTextGap = "\n\n";

int32_t showBox(const char* const* buttonKeys, int32_t count) {
    char titles[3][kMyStringSize];
    const char* buttons[3];
    for (int32_t i = 0; i < count && i < 3; ++i)
        buttons[i] = getString(buttonKeys[i], titles[i]);

    char text[2 * kMsgTextSize + 2];
    copyText(text, sizeof text, sMsg1);
    if (sMsg2[0]) {
        appendText(text, sizeof text, kTextGap);
        appendText(text, sizeof text, sMsg2);
    }
    int32_t result = showMessageBox(kPlxProductName, text, buttons, count < 3 ? count : 3);
    sMsg1[0] = 0;
    sMsg2[0] = 0;
    return result;
}

int32_t box(const char* const* buttonKeys, int32_t count, const char* key, va_list args) {
    if (key) formatMessage(sMsg1, key, args);
    return showBox(buttonKeys, count);
}

const char* const kOk[] = {"ok"};
const char* const kYesNo[] = {"yes", "no"};
const char* const kOkCancel[] = {"ok", "cancel"};
const char* const kYesCancelNo[] = {"yes", "cancel", "no"};

} // namespace

void formatMessage(char* dst, const char* key, va_list args) {
    dst[0] = 0;
    if (!key) return;
    if (std::strlen(key) >= static_cast<size_t>(kMsgKeyLimit)) {
        // Too long to be a key: most likely a text that reached here by
        // mistake, so it is shown as it is and never used as a format.
        copyText(dst, kMsgKeyLimit + 1, key);
        appendText(dst, kMsgTextSize, kEllipsis);
        return;
    }
    char format[kMyStringSize];
    getString(key, format);
    int n = std::vsnprintf(dst, kMsgTextSize, format, args);
    // A result cut by vsnprintf may end inside a character.
    if (n >= kMsgTextSize) trimPartialUTF8(dst);
    if (n < 0) dst[0] = 0;
}

void setMsg1(const char* key, ...) {
    va_list args;
    va_start(args, key);
    formatMessage(sMsg1, key, args);
    va_end(args);
}

void setMsg2(const char* key, ...) {
    va_list args;
    va_start(args, key);
    formatMessage(sMsg2, key, args);
    va_end(args);
}

int32_t msgBox(const char* key, ...) {
    va_list args;
    va_start(args, key);
    int32_t result = box(kOk, 1, key, args);
    va_end(args);
    return result;
}

int32_t msgBoxYesNo(const char* key, ...) {
    va_list args;
    va_start(args, key);
    int32_t result = box(kYesNo, 2, key, args);
    va_end(args);
    return result;
}

int32_t msgBoxOkCancel(const char* key, ...) {
    va_list args;
    va_start(args, key);
    int32_t result = box(kOkCancel, 2, key, args);
    va_end(args);
    return result;
}

int32_t msgBoxYesNoCancel(const char* key, ...) {
    va_list args;
    va_start(args, key);
    int32_t result = box(kYesCancelNo, 3, key, args);
    va_end(args);
    return result;
}

#include "plugin/platform/win/wide_text.h"

#include <windows.h>

#include <climits>

bool widen(const char* utf8, std::wstring* out) {
    out->clear();
    if (!utf8 || !*utf8) return false;
    size_t bytes = strlen(utf8);
    if (bytes > INT_MAX / 2) return false;
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, static_cast<int>(bytes),
                                nullptr, 0);
    if (n <= 0) return false;
    out->resize(static_cast<size_t>(n));
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, static_cast<int>(bytes),
                            &(*out)[0], n) != n) {
        out->clear();
        return false;
    }
    return true;
}

bool narrowInto(const wchar_t* wide, char* dst, size_t capacity) {
    if (!dst || capacity == 0) return false;
    dst[0] = 0;
    if (!wide) return false;
    int cap = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    // -1: the terminator is converted too, so a result that fits is whole.
    int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, dst, cap, nullptr, nullptr);
    if (n <= 0) {
        dst[0] = 0;
        return false;
    }
    return true;
}

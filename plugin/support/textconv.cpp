#include "plugin/support/textconv.h"

#include "plugin/support/charsets.h"
#include "plugin/support/unicode.h"

#include <cstring>
#include <string>
#include <vector>

bool UTF8ToHost(char* dst, const char* src, int32_t capacity) {
    if (!dst || !src || capacity <= 0) return false;
    std::vector<uint16_t> units;
    if (!decodeUTF8(src, strlen(src), units)) return false;
    // Encoding into a buffer of its own lets src and dst be the same text.
    std::vector<char> out(static_cast<size_t>(capacity));
    bool ok = encode8Bit(kEncHost, units.data(), units.size(), out.data(), out.size());
    memcpy(dst, out.data(), ok ? strlen(out.data()) + 1 : 1);
    if (!ok) dst[0] = 0;
    return ok;
}

bool UTF8ToHost(char* text, int32_t capacity) {
    return UTF8ToHost(text, text, capacity);
}

bool HostToUTF8(char* text, int32_t capacity) {
    if (!text || capacity <= 0) return false;
    std::vector<uint16_t> units;
    size_t len = strnlen(text, static_cast<size_t>(capacity));
    if (len == static_cast<size_t>(capacity)) {
        text[0] = 0;
        return false;
    }
    decode8Bit(kEncHost, text, units);
    std::string utf8 = encodeUTF8(units.data(), units.size());
    if (utf8.size() + 1 > static_cast<size_t>(capacity)) {
        text[0] = 0;
        return false;
    }
    memcpy(text, utf8.c_str(), utf8.size() + 1);
    return true;
}

bool addEllipsisToString(char* text, size_t capacity) {
    static const char kEllipsis[] = "\xE2\x80\xA6";
    if (!text || capacity < sizeof kEllipsis) return false;
    size_t len = strnlen(text, capacity);
    if (len == capacity) return false;
    size_t keep = utf8CutLength(text, len, capacity - sizeof kEllipsis);
    memcpy(text + keep, kEllipsis, sizeof kEllipsis);
    return true;
}

const char* findstr(const char* text, const char* pattern, int64_t length) {
    if (!text || !pattern || length <= 0) return nullptr;
    size_t n = strlen(pattern);
    auto range = static_cast<uint64_t>(length);
    if (n > range) return nullptr;
    for (uint64_t i = 0; i + n <= range; ++i)
        if (memcmp(text + i, pattern, n) == 0) return text + i;
    return nullptr;
}

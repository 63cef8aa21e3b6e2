// Accessor-string and mutable-string groups: host strings of UTF-16 units.
#include "host/groups.h"
#include "host/host_objects.h"

#include <algorithm>

namespace plxhost {

namespace {

int32_t createFromUTF16(const uint16_t* units, int32_t count, QXStringRef* out) {
    if (!out || count < 0 || (count > 0 && !units)) return kXTParamErr;
    std::u16string text;
    for (int32_t i = 0; i < count; ++i) text += static_cast<char16_t>(units[i]);
    *out = newHostString(text);
    return 0;
}

int32_t length(QXStringRef s) { return s ? static_cast<int32_t>(s->text.size()) : 0; }

int32_t copyUTF16(QXStringRef s, uint16_t* dst, int32_t capacity) {
    if (!s || !dst || capacity <= 0) return 0;
    int32_t n = std::min(capacity, length(s));
    for (int32_t i = 0; i < n; ++i) dst[i] = s->text[static_cast<size_t>(i)];
    return n;
}

int32_t createMutable(QXMutableStringRef* out) {
    if (!out) return kXTParamErr;
    *out = newHostString(std::u16string());
    return 0;
}

int32_t setUTF16(QXMutableStringRef s, const uint16_t* units, int32_t count) {
    if (!s || count < 0 || (count > 0 && !units)) return kXTParamErr;
    s->text.assign(units, units + count);
    return 0;
}

} // namespace

const XTAccessorStringFuncs kAccessorStringGroup = {
    sizeof(XTAccessorStringFuncs), createFromUTF16, length, copyUTF16, releaseHostString,
};

const XTMutableStringFuncs kMutableStringGroup = {
    sizeof(XTMutableStringFuncs), createMutable, setUTF16, length, copyUTF16, releaseHostString,
};

} // namespace plxhost

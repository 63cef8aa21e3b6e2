#include "plugin/support/xmlread.h"

#include "plugin/support/mymemory.h"

#include <climits>
#include <cstring>

namespace {

constexpr size_t kMaxName = 64;
// "</" + name + ">" + terminator
constexpr size_t kTagSize = kMaxName + 4;

char lowerASCII(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// First occurrence of needle in hay, ignoring ASCII case.
const char* findNoCase(const char* hay, const char* needle) {
    size_t n = strlen(needle);
    if (n == 0) return hay;
    char first = lowerASCII(needle[0]);
    // Tags start with "<", which has no case: the library's search finds
    // each candidate without a look at every byte between.
    bool hasCase = first >= 'a' && first <= 'z';
    for (; *hay; ++hay) {
        if (!hasCase) {
            hay = strchr(hay, first);
            if (!hay) return nullptr;
        } else if (lowerASCII(*hay) != first) {
            continue;
        }
        size_t i = 1;
        while (i < n && hay[i] && lowerASCII(hay[i]) == lowerASCII(needle[i]))
            ++i;
        if (i == n) return hay;
        if (!hay[i]) return nullptr; // the rest of the text is shorter than the needle
    }
    return nullptr;
}

struct Tags {
    char start[kTagSize];
    char end[kTagSize];
};

// Builds the two tags; false for a name of the wrong length. With
// cutAtBlank the end tag keeps only the bare name before the first blank.
bool makeTags(const char* name, bool cutAtBlank, Tags* tags) {
    if (!name) return false;
    size_t len = strnlen(name, kMaxName + 1);
    if (len == 0 || len > kMaxName) return false;
    size_t endLen = len;
    if (cutAtBlank) {
        const char* blank = static_cast<const char*>(memchr(name, ' ', len));
        if (blank) endLen = static_cast<size_t>(blank - name);
    }
    tags->start[0] = '<';
    memcpy(tags->start + 1, name, len);
    memcpy(tags->start + 1 + len, ">", 2);
    memcpy(tags->end, "</", 2);
    memcpy(tags->end + 2, name, endLen);
    memcpy(tags->end + 2 + endLen, ">", 2);
    return true;
}

struct Element {
    const char* begin;   // first byte of the start tag
    const char* content; // first byte after the start tag
    const char* close;   // first byte of the end tag
    const char* end;     // first byte after the end tag
};

// Finds the first element at or after `from`.
bool findElement(const char* from, const Tags& tags, Element* el) {
    const char* begin = findNoCase(from, tags.start);
    if (!begin) return false;
    const char* content = begin + strlen(tags.start);
    const char* close = findNoCase(content, tags.end);
    if (!close) return false;
    *el = {begin, content, close, close + strlen(tags.end)};
    return true;
}

// A zero-terminated heap copy of [from, to), two bytes longer than the
// bytes copied.
char* heapCopy(const char* from, const char* to) {
    size_t n = static_cast<size_t>(to - from);
    auto* copy = static_cast<char*>(myalloc(n + 2, 1));
    if (copy) memcpy(copy, from, n);
    return copy;
}

} // namespace

int32_t getXMLString(const char* text, const char* name, char* dst) {
    if (!dst) return 0;
    dst[0] = 0;
    Tags tags;
    Element el;
    if (!text || !makeTags(name, false, &tags) || !findElement(text, tags, &el)) return 0;
    size_t n = static_cast<size_t>(el.close - el.content);
    if (n > static_cast<size_t>(kXMLStringMax)) n = kXMLStringMax;
    memcpy(dst, el.content, n);
    dst[n] = 0;
    return static_cast<int32_t>(n);
}

char* getXMLData(const char* text, const char* name) {
    Tags tags;
    Element el;
    if (!text || !makeTags(name, true, &tags) || !findElement(text, tags, &el)) return nullptr;
    return heapCopy(el.content, el.close);
}

int32_t getXMLValue(const char* text, const char* name, int32_t deflt) {
    char buf[256];
    if (getXMLString(text, name, buf) <= 0) return deflt;
    if (strcmp(buf, "true") == 0) return 1;
    if (strcmp(buf, "false") == 0) return 0;
    const char* p = buf;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT32_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

void EnumXMLData(const char* text, const char* name, EnumXMLProc proc, void* context) {
    Tags tags;
    if (!text || !proc || !makeTags(name, true, &tags)) return;
    Element el;
    for (const char* from = text; findElement(from, tags, &el); from = el.content) {
        char* copy = heapCopy(el.begin, el.end);
        if (!copy) continue;
        uint8_t goOn = proc(copy, static_cast<int32_t>(el.end - el.begin), context);
        myfree(copy);
        if (goOn == 0) return;
    }
}

#include "plugin/support/unicode.h"

#include <cstring>

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Expected sequence length for a lead byte, 0 for bytes that cannot start
// a character (continuations, C0/C1 which would only encode overlongs,
// F5..FF which would exceed U+10FFFF).
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one character at s[0..avail); returns its byte length, or 0 when
// the bytes there are not a valid character.
size_t decodeOne(const unsigned char* s, size_t avail, uint32_t* cp) {
    size_t n = sequenceLength(s[0]);
    if (n == 0 || n > avail) return 0;
    if (n == 1) {
        *cp = s[0];
        return 1;
    }
    uint32_t v = s[0] & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) {
        if (!isContinuation(s[i])) return 0;
        v = (v << 6) | (s[i] & 0x3F);
    }
    static const uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (v < kMinimum[n] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    *cp = v;
    return n;
}

void appendUTF8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool decodeUTF8(const char* text, size_t length, std::vector<uint16_t>& out) {
    if (!text && length > 0) return false;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    // Decoded in place: at most one unit a byte (four bytes make at most
    // two), and room for the terminator callers usually add; what a bad
    // sequence left is taken back.
    size_t start = out.size();
    out.reserve(start + length + 1);
    for (size_t i = 0; i < length;) {
        if (s[i] < 0x80) { // most text: ASCII, one unit a byte
            out.push_back(s[i++]);
            continue;
        }
        uint32_t cp = 0;
        size_t n = decodeOne(s + i, length - i, &cp);
        if (n == 0) {
            out.resize(start);
            return false;
        }
        i += n;
        if (cp < 0x10000) {
            out.push_back(static_cast<uint16_t>(cp));
        } else {
            cp -= 0x10000;
            out.push_back(static_cast<uint16_t>(0xD800 | (cp >> 10)));
            out.push_back(static_cast<uint16_t>(0xDC00 | (cp & 0x3FF)));
        }
    }
    return true;
}

bool isValidUTF8(const char* text, size_t length) {
    if (!text) return length == 0;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; i < length;) {
        uint32_t cp = 0;
        size_t n = decodeOne(s + i, length - i, &cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

uint32_t nextCodePoint(const uint16_t* units, size_t count, size_t* pos) {
    uint32_t u = units[(*pos)++];
    if (u < 0xD800 || u > 0xDFFF) return u;
    if (u <= 0xDBFF && *pos < count) {
        uint32_t low = units[*pos];
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++*pos;
            return 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return kReplacement;
}

std::string encodeUTF8(const uint16_t* units, size_t count) {
    std::string out;
    if (!units) return out;
    out.reserve(count * 3);
    for (size_t i = 0; i < count;)
        appendUTF8(out, nextCodePoint(units, count, &i));
    return out;
}

size_t utf8CutLength(const char* text, size_t length, size_t limit) {
    if (length <= limit) return length;
    size_t cut = limit;
    // Step back over the continuation bytes of the character that the cut
    // would split; at most three precede the byte after the cut.
    for (int i = 0; i < 3 && cut > 0 && isContinuation(static_cast<unsigned char>(text[cut])); ++i)
        --cut;
    return cut;
}

void trimPartialUTF8(char* text) {
    if (!text) return;
    size_t len = strlen(text);
    size_t lead = len;
    while (lead > 0 && len - lead < 4 && isContinuation(static_cast<unsigned char>(text[lead - 1])))
        --lead;
    if (lead == 0) return;
    --lead; // the byte that should start the last character
    size_t expected = sequenceLength(static_cast<unsigned char>(text[lead]));
    if (expected > 1 && len - lead < expected) text[lead] = 0;
}

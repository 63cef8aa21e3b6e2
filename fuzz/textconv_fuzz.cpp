// The text conversions: UTF-8 and UTF-16, the two 8-bit encodings, MyStr,
// the ellipsis, the bounded copies and the cut helpers. Every conversion
// that reports success leaves valid UTF-8 (or a text of the encoding asked
// for) inside its buffer; conversions that cannot lose anything come back
// to their input; a failed one leaves an empty text.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystr.h"
#include "plugin/support/unicode.h"
#include "plugin/support/wstr.h"

namespace {

bool validText(const char* text) { return isValidUTF8(text, std::strlen(text)); }

// A buffer of exactly `capacity` bytes holding text (cut to fit), so that
// the sanitizer sees every byte written past it.
struct Buffer {
    explicit Buffer(size_t capacity, const std::string& text = std::string())
        : size(capacity), bytes(static_cast<char*>(std::malloc(capacity ? capacity : 1))) {
        std::memset(bytes, 'x', size ? size : 1);
        if (size) {
            size_t n = text.size() < size ? text.size() : size - 1;
            std::memcpy(bytes, text.data(), n);
            bytes[n] = 0;
        }
    }
    ~Buffer() { std::free(bytes); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    bool terminated() const { return std::memchr(bytes, 0, size) != nullptr; }
    size_t size;
    char* bytes;
};

void checkHostConversions(const std::string& text, size_t capacity) {
    bool valid = validText(text.c_str());
    Buffer host(capacity);
    bool ok = UTF8ToHost(host.bytes, text.c_str(), static_cast<int32_t>(capacity));
    if (ok) {
        PLX_FUZZ_CHECK(valid, "invalid UTF-8 was converted to the host encoding");
        PLX_FUZZ_CHECK(host.terminated(), "UTF8ToHost claims success without a terminated text");
        // Every host character has a UTF-8 form: back to where it came from.
        Buffer back(text.size() + 1, host.bytes);
        PLX_FUZZ_CHECK(HostToUTF8(back.bytes, static_cast<int32_t>(back.size)),
                       "the host form of a text does not fit where the text fitted");
        PLX_FUZZ_CHECK(text == back.bytes, "UTF-8 -> host -> UTF-8 changed \"" +
                                               plxfuzz::printable(text) + "\" into \"" +
                                               plxfuzz::printable(back.bytes) + "\"");
    } else if (valid) {
        PLX_FUZZ_CHECK(host.bytes[0] == 0, "a failed UTF8ToHost left a text behind");
    }

    // Any bytes read as host text convert to valid UTF-8 or to nothing.
    Buffer utf8(capacity, text);
    if (HostToUTF8(utf8.bytes, static_cast<int32_t>(capacity))) {
        PLX_FUZZ_CHECK(utf8.terminated() && validText(utf8.bytes),
                       "HostToUTF8 claims success without valid UTF-8");
    } else {
        PLX_FUZZ_CHECK(utf8.bytes[0] == 0, "a failed HostToUTF8 left a text behind");
    }
}

void checkUnicode(const std::string& text) {
    std::vector<uint16_t> units;
    bool valid = isValidUTF8(text.data(), text.size());
    PLX_FUZZ_CHECK(decodeUTF8(text.data(), text.size(), units) == valid,
                   "decodeUTF8 and isValidUTF8 disagree");
    if (valid)
        PLX_FUZZ_CHECK(encodeUTF8(units.data(), units.size()) == text, "UTF-8 -> UTF-16 -> UTF-8 changed the text");

    // The same bytes read as UTF-16: whatever they hold, the UTF-8 form is valid.
    std::vector<uint16_t> raw(text.size() / 2);
    if (!raw.empty()) std::memcpy(raw.data(), text.data(), raw.size() * 2);
    std::string encoded = encodeUTF8(raw.data(), raw.size());
    PLX_FUZZ_CHECK(isValidUTF8(encoded.data(), encoded.size()), "encodeUTF8 made invalid UTF-8");

    for (int32_t encoding : {kEncMacRoman, kEncHost}) {
        for (size_t capacity : {raw.size() + 1, raw.size() / 2 + 1}) {
            Buffer out(capacity);
            if (encode8Bit(encoding, raw.data(), raw.size(), out.bytes, capacity)) {
                PLX_FUZZ_CHECK(out.terminated(), "encode8Bit claims success without a terminator");
                std::vector<uint16_t> back;
                PLX_FUZZ_CHECK(decode8Bit(encoding, out.bytes, back), "decode8Bit failed");
                if (std::find(raw.begin(), raw.end(), 0) == raw.end())
                    PLX_FUZZ_CHECK(back == raw, "UTF-16 -> 8-bit -> UTF-16 changed the text");
            } else {
                PLX_FUZZ_CHECK(out.bytes[0] == 0, "a failed encode8Bit left a text behind");
            }
        }
        std::vector<uint16_t> decoded;
        decode8Bit(encoding, text.c_str(), decoded);
        std::string utf8 = encodeUTF8(decoded.data(), decoded.size());
        PLX_FUZZ_CHECK(isValidUTF8(utf8.data(), utf8.size()), "an 8-bit text decoded to invalid UTF-8");
    }
}

void checkMyStr(const std::string& text, size_t capacity) {
    std::vector<uint16_t> raw(text.size() / 2);
    if (!raw.empty()) std::memcpy(raw.data(), text.data(), raw.size() * 2);
    raw.push_back(0);
    MyStr fromUnits(raw.data(), static_cast<int32_t>(raw.size() - 1));
    MyStr fromText(text.c_str(), (capacity & 1) != 0);
    for (MyStr* s : {&fromUnits, &fromText}) {
        const char* utf8 = s->UTF8Str();
        PLX_FUZZ_CHECK(validText(utf8), "MyStr holds invalid UTF-8");
        for (int32_t encoding : {kEncMacRoman, kEncHost, kEncUTF8, kEncUTF16}) {
            Buffer out(capacity);
            if (s->getString(out.bytes, static_cast<int32_t>(capacity), encoding)) {
                if (encoding == kEncUTF16) {
                    bool ended = false;
                    for (size_t i = 0; i + 1 < capacity && !ended; i += 2)
                        ended = out.bytes[i] == 0 && out.bytes[i + 1] == 0;
                    PLX_FUZZ_CHECK(ended, "a UTF-16 read-out without its terminator");
                } else {
                    PLX_FUZZ_CHECK(out.terminated(), "a read-out without its terminator");
                    if (encoding == kEncUTF8)
                        PLX_FUZZ_CHECK(validText(out.bytes) && std::string(out.bytes) == utf8,
                                       "the UTF-8 read-out is not the holder's text");
                }
            } else if (capacity > 0) {
                PLX_FUZZ_CHECK(out.bytes[0] == 0, "a failed read-out left a text behind");
            }
        }
        char path[kMyPathSize];
        if (s->getPath(path)) PLX_FUZZ_CHECK(validText(path), "a path read-out is not valid UTF-8");
        uint16_t* copy = s->getUString();
        bool zeroInside = std::find(raw.begin(), raw.end() - 1, 0) != raw.end() - 1;
        if (copy && s == &fromText) zeroInside = false;
        if (copy && !zeroInside)
            PLX_FUZZ_CHECK(wstrlen(copy) == static_cast<size_t>(s->length()), "getUString lost units");
        myfree(copy);
    }
}

void checkCuts(const std::string& text, size_t capacity) {
    bool valid = validText(text.c_str());
    size_t length = std::strlen(text.c_str());
    size_t cut = utf8CutLength(text.c_str(), length, capacity);
    PLX_FUZZ_CHECK(cut <= capacity && cut <= length, "utf8CutLength went past its limit");
    if (valid) PLX_FUZZ_CHECK(isValidUTF8(text.c_str(), cut), "utf8CutLength split a character");

    if (valid) {
        // A byte-wise cut, mended.
        std::string part = text.substr(0, capacity);
        trimPartialUTF8(part.data());
        PLX_FUZZ_CHECK(validText(part.c_str()), "trimPartialUTF8 left a split character");
    }

    Buffer copied(capacity);
    bool fitted = copyText(copied.bytes, capacity, text.c_str());
    if (capacity > 0) {
        PLX_FUZZ_CHECK(copied.terminated(), "copyText left no terminator");
        PLX_FUZZ_CHECK(fitted == (length < capacity), "copyText's result is not whether it fitted");
        if (valid) PLX_FUZZ_CHECK(validText(copied.bytes), "copyText split a character");
        std::string before = copied.bytes;
        bool appended = appendText(copied.bytes, capacity, text.c_str());
        PLX_FUZZ_CHECK(copied.terminated(), "appendText left no terminator");
        PLX_FUZZ_CHECK(appended == (before.size() + length < capacity),
                       "appendText's result is not whether it fitted");
        if (valid) PLX_FUZZ_CHECK(validText(copied.bytes), "appendText split a character");
    }

    Buffer label(capacity, text);
    if (addEllipsisToString(label.bytes, capacity)) {
        size_t n = std::strlen(label.bytes);
        PLX_FUZZ_CHECK(label.terminated() && n >= 3 && std::memcmp(label.bytes + n - 3, "\xE2\x80\xA6", 3) == 0,
                       "addEllipsisToString gave a text without the ellipsis");
        if (valid) PLX_FUZZ_CHECK(validText(label.bytes), "addEllipsisToString split a character");
    }
}

void checkFind(const std::string& text, const std::string& pattern) {
    int64_t length = static_cast<int64_t>(text.size());
    const char* found = findstr(text.data(), pattern.c_str(), length);
    size_t plen = std::strlen(pattern.c_str());
    if (plen == 0) return;
    size_t expected = text.find(pattern.c_str(), 0, plen);
    if (!found) {
        PLX_FUZZ_CHECK(expected == std::string::npos, "findstr missed a match");
        return;
    }
    PLX_FUZZ_CHECK(found >= text.data() && found + plen <= text.data() + text.size(),
                   "findstr found a match outside its range");
    PLX_FUZZ_CHECK(static_cast<size_t>(found - text.data()) == expected, "findstr found the wrong match");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plxfuzz::Pieces in(data, size);
    size_t capacity = in.byte();
    std::string pattern = in.next();
    std::string text = in.rest();
    std::string cText = text.c_str();
    checkHostConversions(cText, capacity + 1);
    checkUnicode(text);
    checkMyStr(text, capacity);
    checkCuts(cText, capacity);
    checkFind(text, pattern);
    return 0;
}

#include "plugin/support/mystr.h"
#include "plugin/support/host_paths.h"
#include "plugin/support/normalize.h"

#include "plugin/core/xt_groups.h"
#include "plugin/support/bounded.h"
#include "plugin/support/log.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"

#include <cstring>

namespace {
const uint16_t kNoUnits[1] = {0};
} // namespace

MyStr::MyStr(const char* utf8, bool localize) {
    if (!utf8) return;
    if (localize && strlen(utf8) < 250) {
        char key[256];
        char text[512];
        memcpy(key, utf8, strlen(utf8) + 1);
        setUTF8(translateString(key, text));
    } else {
        setUTF8(utf8);
    }
}

MyStr::MyStr(QXStringRef str, bool release) {
    const XTAccessorStringFuncs* funcs = gQXAccessorStringFuncGrpH;
    if (!str || !funcs) return;
    int32_t n = funcs->length(str);
    if (n >= 0) {
        string_.assign(static_cast<size_t>(n) + 1, 0);
        int32_t copied = funcs->copyUTF16(str, string_.data(), n);
        if (copied >= 0 && copied <= n) {
            string_.resize(static_cast<size_t>(copied) + 1);
            hasText_ = true;
        } else {
            string_.clear();
        }
    }
    if (release) funcs->release(str);
}

MyStr::MyStr(const uint16_t* units, int32_t count) {
    if (!units || count < 0) return;
    size_t n = count == 0 ? wstrlen(units) : static_cast<size_t>(count);
    string_.assign(units, units + n);
    string_.push_back(0);
    hasText_ = true;
}

void MyStr::setUTF8(const char* utf8) {
    if (!decodeUTF8(utf8, strlen(utf8), string_)) {
        string_.clear();
        return;
    }
    string_.push_back(0);
    hasText_ = true;
}

bool MyStr::getString(char* dst, int32_t capacity, int32_t encoding) const {
    if (!dst || capacity <= 0) return false;
    dst[0] = 0;
    if (encoding == kEncUTF16 && capacity >= 2) dst[1] = 0;
    if (!hasText_) return false;
    size_t units = string_.size() - 1;
    auto cap = static_cast<size_t>(capacity);
    if (encoding == kEncUTF8) {
        std::string utf8 = encodeUTF8(string_.data(), units);
        if (utf8.size() + 1 > cap) return false;
        memcpy(dst, utf8.c_str(), utf8.size() + 1);
        return true;
    }
    if (encoding == kEncUTF16) {
        size_t bytes = string_.size() * sizeof(uint16_t);
        if (bytes > cap) return false;
        memcpy(dst, string_.data(), bytes);
        return true;
    }
    return encode8Bit(encoding, string_.data(), units, dst, cap);
}

bool MyStr::getHostString(char* dst, int32_t capacity) const {
    return getString(dst, capacity, kEncHost);
}

bool MyStr::getPath(char* dst) const {
    if (!hasText_) return false;
    char text[kMyPathSize];
    if (string_[0] == '/') {
        // A POSIX path names its folders as the file system does.
        std::vector<uint16_t> units(string_.begin(), string_.end() - 1);
        composeCanonical(units);
        std::string utf8 = encodeUTF8(units.data(), units.size());
        if (copyText(text, sizeof text, utf8.c_str())) return posixPathOf(text, dst);
    } else if (getString(text, kMyPathSize, kEncUTF8)) {
        return posixPathOf(text, dst);
    }
    // A path that does not fit leaves an empty one, like any read-out.
    if (dst) dst[0] = 0;
    return false;
}

void MyStr::normalize() {
    if (!hasText_) return;
    std::vector<uint16_t> units(string_.begin(), string_.end() - 1);
    if (!composeCanonical(units)) return;
    units.push_back(0);
    string_.swap(units);
    // The next copy is of the new text; earlier ones stay until reset.
    hasUTF8_ = false;
}

int32_t MyStr::length() const {
    return hasText_ ? static_cast<int32_t>(string_.size() - 1) : 0;
}

const char* MyStr::UTF8Str() {
    if (!hasText_) return "";
    if (!hasUTF8_) {
        utf8_.push_back(
            std::make_unique<std::string>(encodeUTF8(string_.data(), string_.size() - 1)));
        hasUTF8_ = true;
    }
    return utf8_.back()->c_str();
}

const uint16_t* MyStr::uStr(int32_t* count) const {
    if (count) *count = length();
    return hasText_ ? string_.data() : kNoUnits;
}

uint16_t* MyStr::getUString() const {
    if (!hasText_) return nullptr;
    auto* copy = static_cast<uint16_t*>(myalloc(string_.size(), sizeof(uint16_t)));
    if (copy) memcpy(copy, string_.data(), string_.size() * sizeof(uint16_t));
    return copy;
}

QXStringRef MyStr::qxStr() {
    const XTAccessorStringFuncs* funcs = gQXAccessorStringFuncGrpH;
    if (host_ || !hasText_ || !funcs) return host_;
    QXStringRef made = nullptr;
    if (funcs->createFromUTF16(string_.data(), length(), &made) == 0) host_ = made;
    return host_;
}

void MyStr::reset() {
    if (host_ && gQXAccessorStringFuncGrpH) gQXAccessorStringFuncGrpH->release(host_);
    host_ = nullptr;
    std::vector<uint16_t>().swap(string_);
    hasText_ = false;
    utf8_.clear();
    hasUTF8_ = false;
}

void MyStr::log() { dprintf("%s", UTF8Str()); }

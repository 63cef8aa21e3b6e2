#include "trim_box.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kTrimBox[] = "/TrimBox";
const char kTrimboxRenamed[] = "/Trimbox";
constexpr size_t kKeyLength = sizeof kTrimBox - 1;

// The offset of the first "/TrimBox" within the file's bytes, or -1. A PDF
// holds binary streams with zero bytes in them, so this is a search over
// bytes, not over a C string, and never looks past the file's end.
long findTrimBox(const char* bytes, size_t length) {
    if (length < kKeyLength) return -1;
    for (size_t at = 0; at + kKeyLength <= length; ++at) {
        const void* hit = std::memchr(bytes + at, '/', length - at);
        if (!hit) return -1;
        at = static_cast<size_t>(static_cast<const char*>(hit) - bytes);
        if (at + kKeyLength > length) return -1;
        if (std::memcmp(bytes + at, kTrimBox, kKeyLength) == 0) return static_cast<long>(at);
    }
    return -1;
}

} // namespace

bool rewriteTrimBox(const char* path) {
    if (!path || !path[0]) return false;
    std::FILE* file = std::fopen(path, "r+b");
    if (!file) return false;
    bool done = false;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    if (size > 0 && std::fseek(file, 0, SEEK_SET) == 0) {
        auto length = static_cast<size_t>(size);
        char* bytes = static_cast<char*>(std::calloc(length + 4, 1));
        if (bytes && std::fread(bytes, 1, length, file) == length) {
            long at = findTrimBox(bytes, length);
            done = at >= 0 && std::fseek(file, at, SEEK_SET) == 0 &&
                   std::fwrite(kTrimboxRenamed, 1, kKeyLength, file) == kKeyLength;
        }
        std::free(bytes);
    }
    if (std::fclose(file) != 0) done = false;
    return done;
}

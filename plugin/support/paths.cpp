#include "plugin/support/paths.h"

#include "xt/xtsetup.h"

#include <cstring>

#include "plugin/support/bounded.h"

namespace {

constexpr size_t kPathCapacity = kMyPathSize;

char lowerASCII(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Length of the path in its buffer, or kPathCapacity when the buffer holds
// no terminator (a path no function may extend).
size_t pathLength(const char* path) {
    return strnlen(path, kPathCapacity);
}

// Writes `extra` at `at` in the path buffer when it fits with the
// terminator; otherwise leaves the path alone.
bool putAt(char* path, size_t at, const char* extra, size_t extraLen) {
    if (at + extraLen + 1 > kPathCapacity) return false;
    memcpy(path + at, extra, extraLen);
    path[at + extraLen] = 0;
    return true;
}

} // namespace

bool addPathComponent(char* path, const char* name) {
    if (!path || !name) return false;
    size_t len = pathLength(path);
    size_t nameLen = strlen(name);
    bool needSeparator = len > 0 && path[len - 1] != kPathSeparator;
    if (len + (needSeparator ? 1 : 0) + nameLen + 1 > kPathCapacity) return false;
    if (needSeparator) path[len++] = kPathSeparator;
    return putAt(path, len, name, nameLen);
}

bool addPathExtension(char* path, const char* extension) {
    if (!path || !extension) return false;
    size_t len = pathLength(path);
    size_t extLen = strlen(extension);
    if (len + 1 + extLen + 1 > kPathCapacity) return false;
    path[len] = '.';
    return putAt(path, len + 1, extension, extLen);
}

bool getFileName(const char* path, char* dst, bool keepExtension) {
    if (!dst) return false;
    dst[0] = 0;
    if (!path) return false;
    // A path in POSIX form keeps its own separator wherever it is read; on
    // macOS any other path is the host's colon form.
    const char separator = path[0] == '/'                      ? '/'
                           : kXTPlatformThis == kXTPlatformMac ? ':'
                                                               : kPathSeparator;
    const char* sep = strrchr(path, separator);
    const char* name = sep ? sep + 1 : path;
    if (!putAt(dst, 0, name, strlen(name))) return false;
    return keepExtension || replaceExtension(dst, "");
}

bool replaceExtension(char* path, const char* extension) {
    if (!path) return false;
    if (!extension) extension = "";
    size_t len = pathLength(path);
    if (len == kPathCapacity) return false;
    const char* sep = strrchr(path, kPathSeparator);
    const char* dot = strrchr(sep ? sep : path, '.');
    size_t at = dot ? static_cast<size_t>(dot - path) : len;
    return putAt(path, at, extension, strlen(extension));
}

bool pathEndsWith(const char* path, const char* suffix) {
    if (!path || !suffix) return false;
    size_t len = strlen(path);
    size_t n = strlen(suffix);
    if (n > len) return false;
    for (size_t i = 0; i < n; ++i)
        if (lowerASCII(path[len - n + i]) != lowerASCII(suffix[i])) return false;
    return true;
}

char* getFolder(char* path) {
    if (!path) return nullptr;
    char* sep = strrchr(path, kPathSeparator);
    if (!sep) return nullptr;
    char* cut = sep == path ? sep + 1 : sep;
    *cut = 0;
    return cut;
}

bool movedPath(const char* src, const char* folder, const char* newName, char* dst) {
    char name[kMyPathSize];
    if (!src || !folder) return false;
    if (newName && *newName ? !copyText(name, sizeof name, newName)
                            : !getFileName(src, name, true))
        return false;
    return copyText(dst, kMyPathSize, folder) && addPathComponent(dst, name);
}

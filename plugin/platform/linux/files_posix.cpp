#include "plugin/support/files.h"

#include "plugin/support/host_paths.h"
#include "plugin/support/paths.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool usable(const char* path) {
    return path && *path;
}

// The path to open: a POSIX path as it is, any other in the host's colon
// form converted (macOS; elsewhere posixPathOf gives the same text). Null
// when the converted path does not fit.
const char* openablePath(const char* path, char (&buffer)[kMyPathSize]) {
    if (path[0] == '/') return path;
    return posixPathOf(path, buffer) ? buffer : nullptr;
}

// Copies src to dst, replacing dst; used when a rename cannot cross file
// systems. The copy is written beside dst first and renamed into place, so
// a failed copy never leaves a half-written dst.
bool copyFile(const char* src, const char* dst) {
    FILE* in = fopen2(src, "rb");
    if (!in) return false;
    std::string tmp = std::string(dst) + ".plxtmp";
    FILE* out = fopen2(tmp.c_str(), "wb");
    bool ok = out != nullptr;
    char buf[16384];
    size_t n;
    while (ok && (n = fread(buf, 1, sizeof buf, in)) > 0)
        ok = fwrite(buf, 1, n, out) == n;
    ok = ok && !ferror(in);
    fclose(in);
    if (out && fclose(out) != 0) ok = false;
    if (ok) ok = rename(tmp.c_str(), dst) == 0;
    if (!ok) unlink(tmp.c_str());
    return ok;
}

} // namespace

bool fileExists(const char* path) {
    struct stat st;
    char converted[kMyPathSize];
    const char* opened = usable(path) ? openablePath(path, converted) : nullptr;
    return opened && stat(opened, &st) == 0;
}

bool removeFile(const char* path) {
    if (!usable(path)) return true;
    return unlink(path) == 0 || errno == ENOENT || errno == ENOTDIR;
}

bool makeDir(const char* path) {
    if (!usable(path)) return false;
    struct stat st;
    if (stat(path, &st) == 0) return S_ISDIR(st.st_mode);
    if (mkdir(path, 0777) == 0) return true;
    // Someone else may have made it in the meantime.
    return errno == EEXIST && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeDirPath(const char* path) {
    if (!usable(path) || strlen(path) >= static_cast<size_t>(kMyPathSize)) return false;
    char partial[kMyPathSize];
    memcpy(partial, path, strlen(path) + 1);
    for (char* p = partial + 1; *p; ++p) {
        if (*p != kPathSeparator) continue;
        *p = 0;
        bool ok = makeDir(partial);
        *p = kPathSeparator;
        if (!ok) return false;
    }
    return makeDir(partial);
}

bool moveFile(const char* src, const char* folder, const char* newName) {
    if (!usable(src) || !folder) return false;
    char dst[kMyPathSize];
    if (!movedPath(src, folder, newName, dst)) return false;
    if (rename(src, dst) == 0) return true;
    if (errno != EXDEV) return false;
    return copyFile(src, dst) && unlink(src) == 0;
}

FILE* fopen2(const char* path, const char* mode) {
    if (!usable(path) || !mode || strlen(mode) > 8) return nullptr;
    char converted[kMyPathSize];
    const char* opened = openablePath(path, converted);
    if (!opened) return nullptr;
    char closeOnExec[12];
    memcpy(closeOnExec, mode, strlen(mode));
    memcpy(closeOnExec + strlen(mode), "e", 2);
    return fopen(opened, closeOnExec);
}

int64_t getFileModTime(const char* path) {
    struct stat st;
    if (!usable(path) || stat(path, &st) != 0) return 0;
    return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

int32_t getFileModDate(const char* path) {
    struct stat st;
    if (!usable(path) || stat(path, &st) != 0) return 0;
    if (st.st_mtim.tv_sec > INT32_MAX) return INT32_MAX;
    if (st.st_mtim.tv_sec < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(st.st_mtim.tv_sec);
}

// The file operations on Windows: every path goes to the wide ("W")
// functions as UTF-16, so any name the file system can hold works.
#include "plugin/support/files.h"

#include "plugin/platform/win/wide_text.h"
#include "plugin/support/paths.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

bool attributesOf(const char* path, WIN32_FILE_ATTRIBUTE_DATA* data) {
    std::wstring wide;
    return widen(path, &wide) && GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, data);
}

// 100-nanosecond ticks since 1601 -> nanoseconds since 1970.
int64_t unixNanoseconds(const FILETIME& ft) {
    int64_t ticks = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    constexpr int64_t kTicksTo1970 = 116444736000000000LL;
    return (ticks - kTicksTo1970) * 100;
}

} // namespace

bool fileExists(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return attributesOf(path, &data);
}

bool removeFile(const char* path) {
    std::wstring wide;
    if (!widen(path, &wide)) return true;
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    // A read-only file is deleted too: the attribute is cleared first.
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (DeleteFileW(wide.c_str())) return true;
    DWORD err = GetLastError();
    return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
}

bool makeDir(const char* path) {
    std::wstring wide;
    if (!widen(path, &wide)) return false;
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
    // Someone else may have made it in the meantime.
    attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeDirPath(const char* path) {
    if (!path || !*path || strlen(path) >= static_cast<size_t>(kMyPathSize)) return false;
    char partial[kMyPathSize];
    memcpy(partial, path, strlen(path) + 1);
    // Every level below the drive ("C:") or share ("\\server\share").
    char* p = partial + 1;
    if (partial[0] == '\\' && partial[1] == '\\') {
        p = strchr(partial + 2, '\\');
        p = p ? strchr(p + 1, '\\') : nullptr;
        if (!p) return fileExists(partial);
    }
    for (; *p; ++p) {
        if (*p != '\\' && *p != '/') continue;
        if (p[-1] == ':') continue;
        char keep = *p;
        *p = 0;
        bool ok = makeDir(partial);
        *p = keep;
        if (!ok) return false;
    }
    return makeDir(partial);
}

bool moveFile(const char* src, const char* folder, const char* newName) {
    if (!src || !*src || !folder) return false;
    char dst[kMyPathSize];
    if (!movedPath(src, folder, newName, dst)) return false;
    std::wstring from, to;
    if (!widen(src, &from) || !widen(dst, &to)) return false;
    // Replaces an existing file and copies across volumes when it must.
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED |
                           MOVEFILE_WRITE_THROUGH) != 0;
}

FILE* fopen2(const char* path, const char* mode) {
    if (!path || !*path || !mode || strlen(mode) > 8) return nullptr;
    std::wstring wide, wideMode;
    if (!widen(path, &wide) || !widen(mode, &wideMode)) return nullptr;
    // "N": the handle is not inherited by programs the host starts.
    wideMode += L'N';
    return _wfopen(wide.c_str(), wideMode.c_str());
}

int64_t getFileModTime(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!attributesOf(path, &data)) return 0;
    return unixNanoseconds(data.ftLastWriteTime);
}

int32_t getFileModDate(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!attributesOf(path, &data)) return 0;
    int64_t seconds = unixNanoseconds(data.ftLastWriteTime) / 1000000000LL;
    if (seconds > INT32_MAX) return INT32_MAX;
    if (seconds < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(seconds);
}

// Windows shell links are not followed: the plug-in's own files are never
// links.
void resolveAlias(char*) {}

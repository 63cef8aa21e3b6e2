// The atomic save on Windows: the new text goes to a temporary file beside
// the target, is flushed to the disk, and then takes the target's place in
// one step (ReplaceFileW, which keeps the old file's attributes, or
// MoveFileExW with write-through for a new file).
#include "plugin/settings/atomic_file.h"

#include "plugin/platform/win/wide_text.h"

#include <windows.h>

#include <cerrno>
#include <string>

namespace {

int errnoOf(DWORD err) {
    switch (err) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

// Creates a fresh temporary file beside target; CREATE_NEW refuses anything
// already there.
HANDLE createTemporary(const std::wstring& target, std::wstring* tmp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tmp = target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(++counter);
        HANDLE h = CreateFileW(tmp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

DWORD writeAll(HANDLE h, const char* data, size_t size) {
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(h, data, chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_DISK_FULL;
        data += written;
        size -= written;
    }
    return 0;
}

} // namespace

int replaceFileAtomically(const char* path, const char* data, size_t size, PlxFileStamp* stamp) {
    if (!path || !*path || (!data && size > 0)) return EINVAL;
    std::wstring target;
    if (!widen(path, &target)) return EINVAL;
    DWORD attributes = GetFileAttributesW(target.c_str());
    bool hadOld = attributes != INVALID_FILE_ATTRIBUTES;
    if (hadOld && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return EISDIR;

    std::wstring tmp;
    HANDLE h = createTemporary(target, &tmp);
    if (h == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    DWORD err = writeAll(h, data, size);
    if (!err && !FlushFileBuffers(h)) err = GetLastError();
    if (!CloseHandle(h) && !err) err = GetLastError();
    if (!err) {
        bool replaced = hadOld && ReplaceFileW(target.c_str(), tmp.c_str(), nullptr,
                                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        if (!replaced &&
            !MoveFileExW(tmp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            err = GetLastError();
    }
    if (err) {
        DeleteFileW(tmp.c_str());
        return errnoOf(err);
    }
    if (stamp) *stamp = fileStampAt(path);
    return 0;
}

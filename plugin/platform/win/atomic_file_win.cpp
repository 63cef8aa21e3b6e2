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

// The process number in a temporary file's name "BASE.tmp-PID-N", or 0
// when the name is not one of those.
unsigned long temporaryOwner(const std::wstring& name, const std::wstring& base) {
    std::wstring prefix = base + L".tmp-";
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    size_t i = prefix.size(), digits = i;
    unsigned long pid = 0;
    while (i < name.size() && name[i] >= L'0' && name[i] <= L'9' && pid < 100000000UL)
        pid = pid * 10 + static_cast<unsigned long>(name[i++] - L'0');
    if (i == digits || i >= name.size() || name[i] != L'-') return 0;
    size_t counter = ++i;
    while (i < name.size() && name[i] >= L'0' && name[i] <= L'9')
        ++i;
    return i == counter || i != name.size() ? 0 : pid;
}

// A process that cannot be opened for want of rights still runs; only one
// the system does not know (or that has ended) is gone.
bool processRuns(unsigned long pid) {
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    bool runs = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
    CloseHandle(h);
    return runs;
}

} // namespace

int removeStaleTemporaries(const char* path) {
    std::wstring target;
    if (!path || !*path || !widen(path, &target)) return 0;
    size_t cut = target.find_last_of(L"\\/");
    std::wstring folder = cut == std::wstring::npos ? L"." : target.substr(0, cut);
    std::wstring base = cut == std::wstring::npos ? target : target.substr(cut + 1);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\" + base + L".tmp-*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    unsigned long self = GetCurrentProcessId();
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        unsigned long pid = temporaryOwner(found.cFileName, base);
        if (pid == 0 || pid == self || processRuns(pid)) continue;
        if (DeleteFileW((folder + L"\\" + found.cFileName).c_str())) ++removed;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return removed;
}

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

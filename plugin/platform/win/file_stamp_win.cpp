// File stamps on Windows come from the file's handle: the last write time
// in steps of 100 ns, the size, and the file's index on its volume as its
// identity, so that a change within the same second, or a replacement of
// the same size, is still seen. (The C runtime's file status knows whole
// seconds and no identity.)
#include "plugin/settings/file_stamp.h"

#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <climits>
#include <string>

#include "plugin/platform/win/wide_text.h"

namespace {

int32_t clampedSeconds(int64_t sec) {
    return static_cast<int32_t>(sec > INT32_MAX ? INT32_MAX : sec < INT32_MIN ? INT32_MIN : sec);
}

PlxFileStamp stampOfHandle(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info;
    if (h == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h, &info)) return PlxFileStamp{};
    constexpr int64_t kTicksTo1970 = 116444736000000000LL;
    int64_t ticks = (static_cast<int64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                    info.ftLastWriteTime.dwLowDateTime;
    PlxFileStamp s;
    s.modTime = (ticks - kTicksTo1970) * 100;
    s.modDate = clampedSeconds((ticks - kTicksTo1970) / 10000000);
    s.size = (static_cast<int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    s.id = ((static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow) ^
           (static_cast<uint64_t>(info.dwVolumeSerialNumber) << 40);
    // 0 means "no file".
    if (s.id == 0) s.id = 1;
    return s;
}

} // namespace

PlxFileStamp fileStampOf(const struct stat& st) {
    PlxFileStamp s;
    int64_t sec = static_cast<int64_t>(st.st_mtime);
    s.modDate = clampedSeconds(sec);
    s.modTime = sec * 1000000000LL;
    s.size = st.st_size;
    s.id = 0;
    return s;
}

PlxFileStamp fileStampAt(const char* path) {
    std::wstring wide;
    if (!path || !*path || !widen(path, &wide)) return PlxFileStamp{};
    // Reading the attributes needs no access to the content, and shares
    // everything with whoever has the file open.
    HANDLE h = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return PlxFileStamp{};
    PlxFileStamp s = stampOfHandle(h);
    CloseHandle(h);
    return s;
}

PlxFileStamp fileStampOfOpen(FILE* file) {
    if (!file) return PlxFileStamp{};
    return stampOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
}

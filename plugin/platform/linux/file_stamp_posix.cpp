#include "plugin/settings/file_stamp.h"

#include <climits>
#include <sys/stat.h>

PlxFileStamp fileStampOf(const struct stat& st) {
    PlxFileStamp s;
    int64_t sec = st.st_mtim.tv_sec;
    s.modDate = static_cast<int32_t>(sec > INT32_MAX   ? INT32_MAX
                                     : sec < INT32_MIN ? INT32_MIN
                                                       : sec);
    s.modTime = sec * 1000000000LL + st.st_mtim.tv_nsec;
    s.size = st.st_size;
    s.id = (static_cast<uint64_t>(st.st_dev) << 40) ^ static_cast<uint64_t>(st.st_ino);
    return s;
}

PlxFileStamp fileStampAt(const char* path) {
    struct stat st;
    if (!path || !*path || stat(path, &st) != 0) return PlxFileStamp{};
    return fileStampOf(st);
}

PlxFileStamp fileStampOfOpen(FILE* file) {
    struct stat st;
    if (!file || fstat(fileno(file), &st) != 0) return PlxFileStamp{};
    return fileStampOf(st);
}

// File stamps on Windows come from the C runtime's file status, the same
// source the settings store reads an open file's stamp from; the runtime
// knows no file identity, so the time and the size tell changes apart.
#include "plugin/settings/file_stamp.h"

#include "plugin/support/files.h"

#include <sys/stat.h>

#include <climits>
#include <cstdio>

PlxFileStamp fileStampOf(const struct stat& st) {
    PlxFileStamp s;
    int64_t sec = static_cast<int64_t>(st.st_mtime);
    s.modDate = static_cast<int32_t>(sec > INT32_MAX   ? INT32_MAX
                                     : sec < INT32_MIN ? INT32_MIN
                                                       : sec);
    s.modTime = sec * 1000000000LL;
    s.size = st.st_size;
    s.id = 0;
    return s;
}

PlxFileStamp fileStampAt(const char* path) {
    FILE* f = fopen2(path, "rb");
    if (!f) return PlxFileStamp{};
    struct stat st;
    PlxFileStamp s = fstat(fileno(f), &st) == 0 ? fileStampOf(st) : PlxFileStamp{};
    fclose(f);
    return s;
}

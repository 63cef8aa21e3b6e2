// What the settings store remembers of its file to tell whether someone
// else changed it: the modification time to the nanosecond, and the size
// and identity of the file, which still differ after a replacement on a
// file system whose time stamps are coarse.
#pragma once

#include <cstdint>
#include <cstdio>

struct stat;

struct PlxFileStamp {
    int32_t modDate = 0; // whole seconds, clamped to 32 bits; 0 for no file
    int64_t modTime = 0; // nanoseconds since 1970; 0 for no file
    int64_t size = -1;   // bytes; -1 for no file
    uint64_t id = 0;     // device and inode folded together; 0 for no file
};

PlxFileStamp fileStampOf(const struct stat& st);
// The stamp of the file at path (following symbolic links); the empty
// stamp when there is no file.
PlxFileStamp fileStampAt(const char* path);
// The stamp of a file open for reading; the empty stamp when the system
// does not say.
PlxFileStamp fileStampOfOpen(FILE* file);

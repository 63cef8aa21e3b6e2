// File-system operations on UTF-8 paths (POSIX file names are bytes, so
// paths go to the system unchanged; on Windows they go to the wide system
// calls as UTF-16). One implementation per platform folder. No function
// shows a message; failures come back as false, null or 0.
#pragma once

#include <cstdint>
#include <cstdio>

// True when a file or folder exists at path; false for a null or empty
// path. On macOS a path that does not begin with "/" is taken in the
// host's colon form, as fopen2 takes it.
bool fileExists(const char* path);

// Deletes the file at path. True when it was deleted or did not exist;
// false when it could not be deleted (a folder is never deleted).
bool removeFile(const char* path);

// Creates one folder level (the parent must exist). True when the folder
// exists afterwards; false when something other than a folder is in the
// way or it cannot be created.
bool makeDir(const char* path);

// Creates the folder and every missing folder above it. True when the
// folder exists afterwards.
bool makeDirPath(const char* path);

// Moves the file at src into `folder` under newName (or its own name when
// newName is null or empty), replacing a file of that name. Across file
// systems the file is copied and the source then deleted. True on
// success.
bool moveFile(const char* src, const char* folder, const char* newName);

// Opens the file with a standard mode ("rb", "wb", "rb+", …). The handle
// is not inherited by programs the host starts. On macOS a path that does
// not begin with "/" is taken in the host's colon form and converted to a
// POSIX path first (host_paths.h). Null on failure.
FILE* fopen2(const char* path, const char* mode);

// The file's content modification time in whole seconds since 1970, as a
// signed 32-bit value (clamped to its range); 0 when the file does not
// exist. Only compared with other values of the same file.
int32_t getFileModDate(const char* path);

// The same in nanoseconds, for callers that must tell apart changes within
// one second; 0 when the file does not exist.
int64_t getFileModTime(const char* path);

// Resolves a platform alias in place: on macOS a Finder alias is replaced
// by the path of its target. Linux and Windows have no aliases (symbolic
// links are followed by the system itself), so there it does nothing.
void resolveAlias(char* path);

// Path texts: composing and taking apart file paths held as UTF-8 in the
// plug-in's 512-byte path buffers, with the platform's separator
// (kPathSeparator: "/" on POSIX, the backslash on Windows); these functions
// never touch the file system.
//
// Every function that writes a path treats the buffer as kMyPathSize bytes
// and never writes past it. A result that would not fit is refused as a
// whole: the path is left as it was and the function returns false. A cut
// path would name some other file, which is worse than no file; callers
// check the result before using the path.
#pragma once

#include <cstddef>

#include "platform_traits.h"

constexpr int kMyPathSize = 512;

// Appends the separator (unless the path is empty or already ends in it),
// then name.
bool addPathComponent(char* path, const char* name);

// Appends "." and the extension (given without its dot).
bool addPathExtension(char* path, const char* extension);

// Copies the last component of path (all of it when there is no
// separator; a path that begins with "/" is taken apart at "/" on every
// platform, any other at kPathSeparator, on macOS at ":") into dst (kMyPathSize bytes); without keepExtension the
// extension is then cut as by replaceExtension(dst, ""). False, with an
// empty dst, for a null path or a component too long for dst.
bool getFileName(const char* path, char* dst, bool keepExtension);

// Replaces everything from the last "." of the last component by
// extension (given with its dot, or empty to cut the extension); a
// component without a dot gets the extension appended.
bool replaceExtension(char* path, const char* extension);

// True when path ends in suffix, ignoring ASCII case; false when either is
// null or the path is shorter.
bool pathEndsWith(const char* path, const char* suffix);

// Cuts path at its last separator, leaving the folder, and returns the
// position of the cut (the new terminator). The root keeps its separator:
// "/name" becomes "/". Null, path unchanged, when there is no separator.
char* getFolder(char* path);

// The path a move of src into folder lands at: folder plus newName, or
// plus src's own name when newName is null or empty. Written into dst
// (kMyPathSize bytes); false when a part is missing or does not fit.
bool movedPath(const char* src, const char* folder, const char* newName, char* dst);

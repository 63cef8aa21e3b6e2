// What the portable plug-in code needs to know about the platform it is
// built for: the line end of the texts it writes and the path separator.
// Each platform folder holds its own copy of this header; the build puts
// the platform's folder on the include path.
#pragma once

// Line end of every text the plug-in writes (settings file, log,
// PostScript additions): the platform's own.
#define kPlxLineEnd "\n"

// POSIX paths: "/" composes and takes apart every path.
constexpr char kPathSeparator = '/';

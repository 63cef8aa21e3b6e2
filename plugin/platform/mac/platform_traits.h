// What the portable plug-in code needs to know about the platform it is
// built for: the line end of the texts it writes and the path separator.
// Each platform folder holds its own copy of this header; the build puts
// the platform's folder on the include path.
#pragma once

// macOS text files of the plug-in end their lines with CR (settings file,
// log, PostScript additions).
#define kPlxLineEnd "\r"

// POSIX paths: "/" composes every path. Taking a file name apart also
// accepts the host's classic colon form (see getFileName).
constexpr char kPathSeparator = '/';

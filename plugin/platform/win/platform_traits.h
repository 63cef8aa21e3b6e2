// What the portable plug-in code needs to know about the platform it is
// built for: the line end of the texts it writes and the path separator.
// Each platform folder holds its own copy of this header; the build puts
// the platform's folder on the include path.
#pragma once

// Windows text files end their lines with CR LF (settings file, log,
// PostScript additions).
#define kPlxLineEnd "\r\n"

// Paths are composed with the backslash. Taking a file name apart also
// accepts a path that begins with "/" (see getFileName).
constexpr char kPathSeparator = '\\';

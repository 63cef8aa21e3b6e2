// Paths the host hands over. On macOS the host may give a path in its
// classic colon-separated form ("Macintosh HD:Layouts:Spring.proj"); the
// plug-in works with POSIX paths, so MyStr::getPath converts such a path.
// Other platforms take the host's paths as they come. One implementation
// per platform folder.
#pragma once

// Writes the POSIX form of path into dst (kMyPathSize bytes): a path that
// begins with "/" as it is, any other converted from the colon form (macOS;
// elsewhere also as it is). False, with an empty dst, for a null path or a
// result that does not fit.
bool posixPathOf(const char* path, char* dst);

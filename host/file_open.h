// Files named by UTF-8 paths, as every path inside the host is. On Windows
// the narrow C calls would read the name in the ANSI code page, so files
// are opened through their UTF-16 names there, and std::filesystem paths
// are made from and turned back into UTF-8 explicitly.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace plxhost {

// std::fopen for a UTF-8 path.
std::FILE* openFile(const std::string& path, const char* mode);

// Empty when the system can open a file by a path of this length; else
// the length and the limit, for a message ("5000 bytes; the system takes
// fewer than 4096"). POSIX counts bytes; Windows counts what its calls
// count, UTF-16 code units, so a path of non-ASCII letters is not refused
// for its UTF-8 length.
std::string pathLengthProblem(const std::string& path);

// 0 when the file or folder may be written to, else the errno saying why.
int writeAccess(const std::string& path);

inline std::filesystem::path fileSystemPath(const std::string& utf8) {
    return std::filesystem::u8path(utf8);
}

inline std::string utf8Path(const std::filesystem::path& path) {
    return path.u8string();
}

// Removes a file named by a UTF-8 path; a file that is not there is no
// error, and a failure leaves nothing to report beyond the false.
inline bool removeFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::remove(fileSystemPath(path), ec) || !ec;
}

} // namespace plxhost

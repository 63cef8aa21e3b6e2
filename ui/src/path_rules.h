// How the window system's save dialog reads and joins file paths: the
// platform's own rules. POSIX knows "/" only; Windows takes "\" and "/"
// alike, writes "\", and calls a path absolute when it starts with a
// separator or a drive ("C:").
#pragma once

#include <string>

namespace ui::paths {

#ifdef _WIN32
constexpr char kSeparator = '\\';
inline bool isSeparator(char c) { return c == '\\' || c == '/'; }
inline bool isAbsolute(const std::string& p) {
    return (!p.empty() && isSeparator(p[0])) || (p.size() >= 2 && p[1] == ':');
}
#else
constexpr char kSeparator = '/';
inline bool isSeparator(char c) { return c == '/'; }
inline bool isAbsolute(const std::string& p) { return !p.empty() && p[0] == '/'; }
#endif

// Position of the last separator, or npos.
inline std::size_t lastSeparator(const std::string& p) {
    for (std::size_t i = p.size(); i > 0; --i)
        if (isSeparator(p[i - 1])) return i - 1;
    return std::string::npos;
}

// The folder part of a path: "" for none; a root ("/", "C:\") keeps its
// separator.
inline std::string folderOf(const std::string& p) {
    std::size_t sep = lastSeparator(p);
    if (sep == std::string::npos) return std::string();
    if (sep == 0 || (sep == 2 && p[1] == ':')) return p.substr(0, sep + 1);
    return p.substr(0, sep);
}

// The last component of a path (all of it when there is no separator).
inline std::string nameOf(const std::string& p) {
    std::size_t sep = lastSeparator(p);
    return sep == std::string::npos ? p : p.substr(sep + 1);
}

} // namespace ui::paths

#include "host/file_open.h"

#include "host/platform/win/wide.h"

#include <io.h>
#include <windows.h>

#include <cerrno>

namespace plxhost {

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(toWide(path).c_str(), toWide(mode).c_str());
}

std::string pathLengthProblem(const std::string& path) {
    // The whole path and its closing NUL within MAX_PATH, in the units the
    // wide calls take.
    // A path that is not UTF-8 converts to nothing and fails as it is
    // opened, with the system's own reason.
    std::wstring wide = toWide(path);
    if (wide.size() < MAX_PATH) return std::string();
    return std::to_string(wide.size()) + " UTF-16 code units; Windows takes fewer than " +
           std::to_string(MAX_PATH);
}

int writeAccess(const std::string& path) {
    return _waccess(toWide(path).c_str(), 2) == 0 ? 0 : errno;
}

} // namespace plxhost

#include "host/file_open.h"

#include "host/platform/win/wide.h"

#include <io.h>

#include <cerrno>

namespace plxhost {

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(toWide(path).c_str(), toWide(mode).c_str());
}

int writeAccess(const std::string& path) {
    return _waccess(toWide(path).c_str(), 2) == 0 ? 0 : errno;
}

} // namespace plxhost

#include "host/file_open.h"

#include <unistd.h>

#include <cerrno>

namespace plxhost {

std::FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

int writeAccess(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

} // namespace plxhost

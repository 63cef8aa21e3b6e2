#include "host/file_open.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

namespace plxhost {

std::FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::string pathLengthProblem(const std::string& path) {
    if (path.size() < PATH_MAX) return std::string();
    return std::to_string(path.size()) + " bytes; the system takes fewer than " +
           std::to_string(PATH_MAX);
}

int writeAccess(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

} // namespace plxhost

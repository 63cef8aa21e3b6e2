#include "cli/folder_probe.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace plxcli {

bool folderTakesFiles(const std::string& folder, std::string* reason) {
    std::string pattern = folder + (folder.back() == '/' ? "" : "/") + ".plexmoor-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = ::mkstemp(buffer.data());
    if (fd < 0) {
        *reason = std::strerror(errno);
        return false;
    }
    ::close(fd);
    ::unlink(buffer.data());
    return true;
}

} // namespace plxcli

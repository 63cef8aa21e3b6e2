#include "tests/common/file_tools.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace plxtest {

bool setModTime(const std::string& path, std::time_t seconds, long nanoseconds) {
    struct timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool makeReadOnly(const std::string& path) {
    return chmod(path.c_str(), 0444) == 0;
}

} // namespace plxtest

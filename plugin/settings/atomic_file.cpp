#include "plugin/settings/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file to replace: a symbolic link is followed so that a settings file
// kept elsewhere (and linked in) is updated instead of being cut off by a
// plain file in the link's place. A dangling link is replaced itself.
std::string resolveTarget(const char* path) {
    struct stat st;
    if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        char real[PATH_MAX];
        if (realpath(path, real)) return real;
    }
    return path;
}

// Creates a fresh temporary file beside target; the name is unique to this
// process and attempt, and O_EXCL refuses anything already there.
int createTemporary(const std::string& target, mode_t mode, std::string* tmp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tmp = target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
        int fd = open(tmp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

int writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
}

// Makes the rename itself durable; a folder that cannot be synced does not
// undo a replacement that has already happened.
void syncFolderOf(const std::string& target) {
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "."
                         : slash == 0               ? "/"
                                                    : target.substr(0, slash);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

int replaceFileAtomically(const char* path, const char* data, size_t size, PlxFileStamp* stamp) {
    if (!path || !*path || (!data && size > 0)) return EINVAL;
    std::string target = resolveTarget(path);

    struct stat old;
    bool hadOld = stat(target.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) return EISDIR;

    std::string tmp;
    int fd = createTemporary(target, 0666, &tmp);
    if (fd < 0) return errno;

    int err = 0;
    if (hadOld && fchmod(fd, old.st_mode & 07777) != 0) err = errno;
    if (!err) err = writeAll(fd, data, size);
    if (!err && fsync(fd) != 0) err = errno;
    struct stat written;
    if (!err && fstat(fd, &written) != 0) err = errno;
    if (close(fd) != 0 && !err) err = errno;
    if (!err && rename(tmp.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        unlink(tmp.c_str());
        return err;
    }
    syncFolderOf(target);
    if (stamp) *stamp = fileStampOf(written);
    return 0;
}

#include "plugin/settings/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

const char kTemporaryMark[] = ".tmp-";

std::string folderOf(const std::string& target) {
    size_t slash = target.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
}

// Creates a fresh temporary file beside target; the name is unique to this
// process and attempt, and O_EXCL refuses anything already there.
int createTemporary(const std::string& target, mode_t mode, std::string* tmp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tmp = target + kTemporaryMark + std::to_string(getpid()) + "-" +
               std::to_string(++counter);
        int fd = open(tmp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The process number in a temporary file's name "BASE.tmp-PID-N", or 0
// when the name is not one of those.
long temporaryOwner(const std::string& name, const std::string& base) {
    std::string prefix = base + kTemporaryMark;
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    const char* p = name.c_str() + prefix.size();
    long pid = 0;
    const char* digits = p;
    while (*p >= '0' && *p <= '9' && pid < 100000000L)
        pid = pid * 10 + (*p++ - '0');
    if (p == digits || *p != '-') return 0;
    const char* counter = ++p;
    while (*p >= '0' && *p <= '9')
        ++p;
    return p == counter || *p ? 0 : pid;
}

bool processRuns(long pid) {
    // EPERM: it runs, under another user.
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
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
    std::string folder = folderOf(target);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

int removeStaleTemporaries(const char* path) {
    if (!path || !*path) return 0;
    std::string target = resolveTarget(path);
    std::string folder = folderOf(target);
    size_t slash = target.rfind('/');
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    long self = static_cast<long>(getpid());
    while (struct dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        long pid = temporaryOwner(name, base);
        if (pid <= 0 || pid == self || processRuns(pid)) continue;
        std::string file = folder + "/" + name;
        struct stat st;
        if (lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(file.c_str()) == 0)
            ++removed;
    }
    closedir(dir);
    return removed;
}

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

#include "host/work_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/process.h"

namespace plxhost {

namespace {

const char kPrefix[] = "plexhost-";
constexpr size_t kPrefixLength = sizeof kPrefix - 1;
constexpr size_t kUniqueLength = 6; // mkdtemp's XXXXXX

// The process number in "plexhost-PID-XXXXXX", or 0 for any other name.
long ownerOf(const char* name) {
    if (std::strncmp(name, kPrefix, kPrefixLength) != 0) return 0;
    const char* digits = name + kPrefixLength;
    long pid = 0;
    const char* p = digits;
    while (*p >= '0' && *p <= '9' && p - digits < 10) pid = pid * 10 + (*p++ - '0');
    if (p == digits || *p != '-' || std::strlen(p + 1) != kUniqueLength) return 0;
    return pid;
}

} // namespace

std::string temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && tmp[0] == '/' ? tmp : "/tmp";
}

std::string memoryFolder() {
    const char* const folder = "/dev/shm";
    constexpr unsigned long long kRoom = 256ull << 20;
    struct stat st;
    struct statvfs fs;
    if (::stat(folder, &st) != 0 || !S_ISDIR(st.st_mode) ||
        ::access(folder, W_OK | X_OK) != 0 || ::statvfs(folder, &fs) != 0)
        return std::string();
    unsigned long long room = static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize;
    return room >= kRoom ? folder : std::string();
}

std::string makeWorkFolder(const std::string& parent, std::string* error) {
    std::string pattern =
        parent + "/" + kPrefix + std::to_string(currentProcessId()) + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) {
        *error = std::strerror(errno);
        return std::string();
    }
    return buffer.data();
}

void removeWorkFolder(const std::string& folder) {
    // Ghostscript writes only files here (the jobs, its own gs_* temporary
    // files), never folders.
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (struct dirent* entry = ::readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
                continue;
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
        ::closedir(dir);
    }
    ::rmdir(folder.c_str());
}

int removeDeadWorkFolders(const std::string& parent) {
    DIR* dir = ::opendir(parent.c_str());
    if (!dir) return 0;
    std::vector<std::string> dead;
    uid_t me = ::getuid();
    while (struct dirent* entry = ::readdir(dir)) {
        long owner = ownerOf(entry->d_name);
        if (owner <= 0 || processExists(owner)) continue;
        struct stat st;
        // Only our own folders: the temporary folder is shared.
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(st.st_mode) || st.st_uid != me)
            continue;
        dead.push_back(parent + "/" + entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& folder : dead) removeWorkFolder(folder);
    return static_cast<int>(dead.size());
}

} // namespace plxhost

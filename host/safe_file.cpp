#include "host/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace plxhost {

namespace {
constexpr size_t kTempNameStem = 200;

// Six letters or digits that make a temporary name unlikely to be taken:
// from a generator seeded once a process, so that they cost no system call
// a file (a name that is taken is tried again).
std::string uniqueSuffix() {
    static const char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uint64_t bits = generator();
    std::string suffix(6, 'X');
    for (char& c : suffix) {
        c = kLetters[bits % (sizeof kLetters - 1)];
        bits /= sizeof kLetters - 1;
    }
    return suffix;
}
} // namespace

int readWholeFile(const std::string& path, std::string* out, std::string* error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        int e = errno;
        if (error) *error = path + ": " + std::strerror(e);
        return e ? e : EIO;
    }
    out->clear();
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out->append(buffer, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        if (error) *error = path + ": the file could not be read";
        return EIO;
    }
    return 0;
}

bool makeFolders(const std::string& folder, std::string* error) {
    std::string partial;
    size_t pos = 0;
    while (pos <= folder.size()) {
        size_t next = folder.find('/', pos);
        if (next == std::string::npos) next = folder.size();
        partial = folder.substr(0, next);
        pos = next + 1;
        if (partial.empty()) continue;
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) {
            if (error) *error = partial + ": " + std::strerror(errno);
            return false;
        }
    }
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        if (error) *error = folder + ": not a folder";
        return false;
    }
    return true;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool syncFolders(const std::vector<std::string>& folders, std::string* error) {
    std::vector<dev_t> done;
    for (const std::string& folder : folders) {
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat st;
        if (fd < 0 || ::fstat(fd, &st) != 0) {
            if (error) *error = folder + ": " + std::strerror(errno);
            if (fd >= 0) ::close(fd);
            return false;
        }
        bool seen = false;
        for (dev_t d : done) seen = seen || d == st.st_dev;
        int failed = 0;
        if (!seen) {
#ifdef __linux__
            if (::syncfs(fd) != 0) failed = errno;
#else
            ::sync();
#endif
            done.push_back(st.st_dev);
        }
        ::close(fd);
        if (failed) {
            if (error) *error = folder + ": " + std::strerror(failed);
            return false;
        }
    }
    return true;
}

PendingFile::~PendingFile() { discard(); }

bool PendingFile::open(const std::string& target, std::string* error) {
    discard();
    target_ = target;
    size_t slash = target.rfind('/');
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) {
        if (error) *error = target + ": the path names a folder, not a file";
        return false;
    }
    std::string folder = folderOf(target);
    // The temporary name must fit where the real one fits (255 bytes). It
    // is made with the mode a new file gets (the mask applies), so that
    // committing needs no change of mode.
    std::string stem = folder + "/." + name.substr(0, kTempNameStem) + ".";
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp_ = stem + uniqueSuffix();
        fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        if (error) *error = folder + ": " + std::strerror(errno);
        temp_.clear();
        return false;
    }
    handle_ = fd;
    committed_ = false;
    writeFailed_ = false;
    return true;
}

bool PendingFile::write(const char* bytes, size_t length) {
    if (handle_ < 0) return false;
    while (length > 0 && !writeFailed_) {
        ssize_t n = ::write(static_cast<int>(handle_), bytes, length);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            writeFailed_ = true;
            break;
        }
        bytes += n;
        length -= static_cast<size_t>(n);
    }
    return !writeFailed_;
}

bool PendingFile::commit(std::string* error, Sync sync) {
    if (temp_.empty()) {
        if (error) *error = "no file is being written";
        return false;
    }
    if (handle_ >= 0) {
        int fd = static_cast<int>(handle_);
        if (sync == Sync::kNow && ::fsync(fd) != 0) writeFailed_ = true;
        if (::close(fd) != 0) writeFailed_ = true;
        handle_ = -1;
    }
    if (writeFailed_) {
        if (error) *error = target_ + ": the file could not be written completely";
        discard();
        return false;
    }
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
        if (error) *error = target_ + ": " + std::strerror(errno);
        discard();
        return false;
    }
    committed_ = true;
    temp_.clear();
    return true;
}

void PendingFile::discard() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
    if (!temp_.empty() && !committed_) ::unlink(temp_.c_str());
    temp_.clear();
}

bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error) {
    if (!makeFolders(folderOf(path), error)) return false;
    PendingFile file;
    if (!file.open(path, error)) return false;
    file.write(text.data(), text.size());
    return file.commit(error);
}

} // namespace plxhost

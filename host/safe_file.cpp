#include "host/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace plxhost {

namespace {
constexpr size_t kTempNameStem = 200;

// The mode a new file gets. The host never changes its mask, so it is
// read once instead of twice a file (umask can only be read by setting it).
mode_t newFileMode() {
    static const mode_t mode = [] {
        mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
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
    // The temporary name must fit where the real one fits (255 bytes).
    std::string pattern = folder + "/." + name.substr(0, kTempNameStem) + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = ::mkstemp(buffer.data());
    if (fd < 0) {
        if (error) *error = folder + ": " + std::strerror(errno);
        return false;
    }
    temp_ = buffer.data();
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        if (error) *error = temp_ + ": " + std::strerror(errno);
        ::close(fd);
        discard();
        return false;
    }
    committed_ = false;
    writeFailed_ = false;
    return true;
}

bool PendingFile::write(const char* bytes, size_t length) {
    if (!file_) return false;
    if (length && std::fwrite(bytes, 1, length, file_) != length) writeFailed_ = true;
    return !writeFailed_;
}

bool PendingFile::commit(std::string* error, Sync sync) {
    if (temp_.empty()) {
        if (error) *error = "no file is being written";
        return false;
    }
    if (file_) {
        if (std::fflush(file_) != 0) writeFailed_ = true;
        // mkstemp makes the file private; give it the mode a new file gets.
        ::fchmod(::fileno(file_), newFileMode());
        if (sync == Sync::kNow && ::fsync(::fileno(file_)) != 0) writeFailed_ = true;
        if (std::fclose(file_) != 0) writeFailed_ = true;
        file_ = nullptr;
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
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
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

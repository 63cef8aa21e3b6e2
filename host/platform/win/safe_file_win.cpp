// The host's files on Windows: the same promise as on POSIX (a file is
// whole under its real name or not there), with the wide system calls and
// MoveFileExW, which replaces an existing file, in place of rename.
#include "host/safe_file.h"

#include "host/platform/win/wide.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

namespace plxhost {

namespace {

constexpr size_t kTempNameStem = 200;

bool isSeparator(char c) { return c == '\\' || c == '/'; }

size_t lastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string reason(DWORD code) { return systemMessage(code); }

} // namespace

int readWholeFile(const std::string& path, std::string* out, std::string* error) {
    std::FILE* f = _wfopen(toWide(path).c_str(), L"rbN");
    if (!f) {
        int e = errno ? errno : ENOENT;
        if (error) *error = path + ": " + std::strerror(e);
        return e;
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
    for (size_t i = 1; i <= folder.size(); ++i) {
        if (i < folder.size() && !isSeparator(folder[i])) continue;
        std::string partial = folder.substr(0, i);
        // The drive ("C:") and the root exist already.
        if (partial.empty() || partial.back() == ':' || isSeparator(partial.back())) continue;
        std::wstring wide = toWide(partial);
        if (!CreateDirectoryW(wide.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS &&
            GetLastError() != ERROR_ACCESS_DENIED) {
            if (error) *error = partial + ": " + reason(GetLastError());
            return false;
        }
    }
    DWORD a = GetFileAttributesW(toWide(folder).c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) {
        if (error) *error = folder + ": not a folder";
        return false;
    }
    return true;
}

std::string folderOf(const std::string& path) {
    size_t sep = lastSeparator(path);
    if (sep == std::string::npos) return ".";
    if (sep == 0 || (sep == 2 && path[1] == ':')) return path.substr(0, sep + 1);
    return path.substr(0, sep);
}

PendingFile::~PendingFile() { discard(); }

bool PendingFile::open(const std::string& target, std::string* error) {
    discard();
    target_ = target;
    size_t sep = lastSeparator(target);
    std::string name = sep == std::string::npos ? target : target.substr(sep + 1);
    if (name.empty()) {
        if (error) *error = target + ": the path names a folder, not a file";
        return false;
    }
    std::string folder = folderOf(target);
    std::string stem = (sep == std::string::npos ? std::string() : target.substr(0, sep + 1)) +
                       "." + name.substr(0, kTempNameStem) + ".";
    static unsigned counter = 0;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        temp_ = stem + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        h = CreateFileW(toWide(temp_).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = folder + ": " + reason(GetLastError());
        temp_.clear();
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    committed_ = false;
    writeFailed_ = false;
    return true;
}

bool PendingFile::write(const char* bytes, size_t length) {
    if (handle_ == -1) return false;
    HANDLE h = reinterpret_cast<HANDLE>(handle_);
    while (length > 0 && !writeFailed_) {
        DWORD chunk = length > (1u << 30) ? (1u << 30) : static_cast<DWORD>(length), done = 0;
        if (!WriteFile(h, bytes, chunk, &done, nullptr) || done == 0) {
            writeFailed_ = true;
            break;
        }
        bytes += done;
        length -= done;
    }
    return !writeFailed_;
}

// Every file is flushed to the disk when it is committed (FlushFileBuffers
// on its handle) and MoveFileExW writes the rename through, so nothing is
// left for a later sync: kLater behaves as kNow.
bool syncFolders(const std::vector<std::string>&, std::string*) { return true; }

bool PendingFile::commit(std::string* error, Sync) {
    if (temp_.empty()) {
        if (error) *error = "no file is being written";
        return false;
    }
    if (handle_ != -1) {
        HANDLE h = reinterpret_cast<HANDLE>(handle_);
        if (!FlushFileBuffers(h)) writeFailed_ = true;
        if (!CloseHandle(h)) writeFailed_ = true;
        handle_ = -1;
    }
    if (writeFailed_) {
        if (error) *error = target_ + ": the file could not be written completely";
        discard();
        return false;
    }
    if (!MoveFileExW(toWide(temp_).c_str(), toWide(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (error) *error = target_ + ": " + reason(GetLastError());
        discard();
        return false;
    }
    committed_ = true;
    temp_.clear();
    return true;
}

void PendingFile::discard() {
    if (handle_ != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
        handle_ = -1;
    }
    if (!temp_.empty() && !committed_) DeleteFileW(toWide(temp_).c_str());
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

// Files the host writes for the user: made under a temporary name in the
// target folder and renamed into place only when complete, so that a
// failure never leaves a half-written file under the real name.
//
// A file committed with Sync::kNow is on disk when commit() returns. A run
// that writes many files commits them with Sync::kLater and calls
// syncFolders() once at its end, before it reports success: the files
// still appear only complete, and the cost of reaching the disk is paid
// once per run instead of once per file.
#pragma once

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

namespace plxhost {

// Reads a whole file. Returns 0, or the errno of the failure (ENOENT when
// the file does not exist) with *error set.
int readWholeFile(const std::string& path, std::string* out, std::string* error);

// Makes a folder and the folders above it. False with *error set.
bool makeFolders(const std::string& folder, std::string* error);

// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string& path);

enum class Sync { kNow, kLater };

// Makes everything written into these folders durable (the files and the
// names they were renamed to): one flush per file system they lie on.
// False with *error set.
bool syncFolders(const std::vector<std::string>& folders, std::string* error);

// A file being written: open() creates "<folder>/.<name>.XXXXXX" with the
// mode a new file gets; commit() renames it to the target; the destructor
// removes it when not committed. Writes go straight to the system: callers
// hand over whole texts.
class PendingFile {
  public:
    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool open(const std::string& target, std::string* error);
    // The temporary file's path (valid after open()).
    const std::string& tempPath() const { return temp_; }
    bool write(const char* bytes, size_t length);
    // Closes the file (when still open), checks that everything was
    // written and renames the file into place; with Sync::kNow the file
    // reaches the disk before it is renamed.
    bool commit(std::string* error, Sync sync = Sync::kNow);
    // Closes and removes the temporary file.
    void discard();

  private:
    std::string target_;
    std::string temp_;
    std::intptr_t handle_ = -1; // the temporary file's descriptor (HANDLE on Windows)
    bool writeFailed_ = false;
    bool committed_ = false;
};

// Writes text to a file through a PendingFile, making its folder first.
bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error);

} // namespace plxhost

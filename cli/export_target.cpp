#include "cli/export_target.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "cli/messages.h"

namespace plxcli {

namespace fs = std::filesystem;

namespace {

// The first part of `folder` that is there but is not a folder, or empty.
std::string fileInTheWay(const fs::path& folder) {
    fs::path walked;
    for (const fs::path& part : folder) {
        walked /= part;
        std::error_code ec;
        fs::file_status status = fs::status(walked, ec);
        if (ec || !fs::exists(status)) return std::string();
        if (!fs::is_directory(status)) return walked.string();
    }
    return std::string();
}

// Whether a file can be made in the folder: one is made and removed, so
// the answer is the file system's own, whoever runs the program.
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

} // namespace

bool resolveTarget(const std::string& to, ExportTarget* target, std::string* error) {
    if (to.empty()) {
        *error = say("--to needs a path");
        return false;
    }
    std::error_code ec;
    fs::path path = fs::absolute(to, ec);
    if (ec) {
        *error = say("--to %1: %2", {to, ec.message()});
        return false;
    }
    bool folderOnly = to.back() == '/' || fs::is_directory(path, ec);
    fs::path folder = folderOnly ? path : path.parent_path();
    folder = folder.lexically_normal();
    std::string folderText = folder.string();
    if (folderText.size() > 1 && folderText.back() == '/') folderText.pop_back();
    if (!folderOnly) {
        std::string name = path.filename().string();
        if (name == "." || name == "..") folderOnly = true;
        else target->name = name;
    }
    std::string inTheWay = fileInTheWay(folder);
    if (!inTheWay.empty()) {
        *error = say("--to %1: %2 is not a folder", {to, inTheWay});
        return false;
    }
    if (!fs::is_directory(folder, ec)) {
        *error = say("--to %1: the folder %2 does not exist", {to, folderText});
        return false;
    }
    std::string reason;
    if (!folderTakesFiles(folderText, &reason)) {
        *error = say("--to %1: no file can be written in %2: %3", {to, folderText, reason});
        return false;
    }
    target->folder = folderText;
    return true;
}

} // namespace plxcli

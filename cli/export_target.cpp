#include "cli/export_target.h"

#include <filesystem>

#include "cli/folder_probe.h"
#include "cli/messages.h"
#include "cli/program_path.h"

namespace plxcli {

namespace fs = std::filesystem;

namespace {

// The first part of `folder` that is there but is not a folder, or empty.
// The walk starts at the root ("/" or a drive's): a drive name alone ("C:") is
// no path whose status can be asked.
std::string fileInTheWay(const fs::path& folder) {
    fs::path walked = folder.root_path();
    for (const fs::path& part : folder.relative_path()) {
        walked /= part;
        std::error_code ec;
        fs::file_status status = fs::status(walked, ec);
        if (ec || !fs::exists(status)) return std::string();
        if (!fs::is_directory(status)) return walked.u8string();
    }
    return std::string();
}

} // namespace

bool resolveTarget(const std::string& to, ExportTarget* target, std::string* error) {
    if (to.empty()) {
        *error = say("--to needs a path");
        return false;
    }
    std::error_code ec;
    fs::path path = fs::absolute(fs::u8path(to), ec);
    if (ec) {
        *error = say("--to %1: %2", {to, ec.message()});
        return false;
    }
    bool folderOnly = isPathSeparator(to.back()) || fs::is_directory(path, ec);
    fs::path folder = folderOnly ? path : path.parent_path();
    folder = folder.lexically_normal();
    std::string folderText = folder.u8string();
    // "/x/" is shown as "/x"; a root ("/", "C:\") keeps its separator.
    if (folderText.size() > 1 && isPathSeparator(folderText.back()) &&
        folderText[folderText.size() - 2] != ':')
        folderText.pop_back();
    if (!folderOnly) {
        std::string name = path.filename().u8string();
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

#include "plugin/support/folders.h"

#include "plugin/support/files.h"
#include "plugin/support/paths.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace {

// The variable's value when it is an absolute path, else null.
const char* absoluteEnv(const char* name) {
    const char* value = getenv(name);
    return (value && value[0] == '/') ? value : nullptr;
}

// Writes text into the path buffer dst whole, or leaves it empty.
bool putPath(char* dst, const std::string& text) {
    dst[0] = 0;
    if (text.empty() || text.size() >= static_cast<size_t>(kMyPathSize)) return false;
    memcpy(dst, text.c_str(), text.size() + 1);
    // A trailing separator is dropped so callers can add components.
    size_t len = text.size();
    while (len > 1 && dst[len - 1] == kPathSeparator)
        dst[--len] = 0;
    return true;
}

// A folder below home.
bool homeFolderBelow(char* dst, const char* relative) {
    if (!getHomeFolder(dst)) return false;
    if (addPathComponent(dst, relative)) return true;
    dst[0] = 0;
    return false;
}

// Folder from an XDG variable, or its default below home.
bool xdgFolder(char* dst, const char* variable, const char* belowHome) {
    if (const char* value = absoluteEnv(variable)) return putPath(dst, value);
    return homeFolderBelow(dst, belowHome);
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: a quoted path that is
// absolute or starts with $HOME. Empty when the file has no usable entry.
std::string documentsFromUserDirs(const char* home) {
    char file[kMyPathSize];
    if (!getAppSupportFolder(file) || !addPathComponent(file, "user-dirs.dirs")) return {};
    FILE* f = fopen2(file, "rb");
    if (!f) return {};
    std::string result;
    char line[1024];
    static const char kKey[] = "XDG_DOCUMENTS_DIR=\"";
    while (fgets(line, sizeof line, f)) {
        const char* p = line;
        while (*p == ' ' || *p == '\t')
            ++p;
        if (strncmp(p, kKey, sizeof kKey - 1) != 0) continue;
        p += sizeof kKey - 1;
        std::string value;
        for (; *p && *p != '"'; ++p) {
            if (*p == '\\' && p[1]) ++p;
            value += *p;
        }
        if (*p != '"') continue;
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/'))
            value = std::string(home) + value.substr(5);
        if (!value.empty() && value[0] == '/') result = value;
    }
    fclose(f);
    return result;
}

} // namespace

bool getHomeFolder(char* dst) {
    if (!dst) return false;
    if (const char* home = absoluteEnv("HOME")) return putPath(dst, home);
    // Without HOME the account database still knows the folder.
    const struct passwd* pw = getpwuid(getuid());
    return putPath(dst, (pw && pw->pw_dir && pw->pw_dir[0] == '/') ? pw->pw_dir : "");
}

bool getDocumentsFolder(char* dst) {
    if (!dst) return false;
    if (const char* value = absoluteEnv("XDG_DOCUMENTS_DIR")) return putPath(dst, value);
    char home[kMyPathSize];
    if (!getHomeFolder(home)) {
        dst[0] = 0;
        return false;
    }
    std::string fromFile = documentsFromUserDirs(home);
    if (!fromFile.empty()) return putPath(dst, fromFile);
    return homeFolderBelow(dst, "Documents");
}

bool getAppSupportFolder(char* dst) {
    return dst && xdgFolder(dst, "XDG_CONFIG_HOME", ".config");
}

bool getStateFolder(char* dst) {
    return dst && xdgFolder(dst, "XDG_STATE_HOME", ".local/state");
}

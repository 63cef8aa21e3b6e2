// Work folders on Windows: "plexhost-PID-N" in the user's temporary folder.
#include "host/work_folder.h"

#include "host/platform/win/wide.h"
#include "host/process.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace plxhost {

namespace {

const char kPrefix[] = "plexhost-";

void removeFilesIn(const std::string& folder) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(toWide(folder + "\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        DeleteFileW(toWide(folder + "\\" + fromWide(found.cFileName)).c_str());
    } while (FindNextFileW(h, &found));
    FindClose(h);
}

} // namespace

std::string temporaryFolder() {
    wchar_t temp[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    if (n == 0 || n > MAX_PATH) return ".";
    std::string folder = fromWide(std::wstring(temp, n));
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

// Windows has no memory file system a program may count on.
std::string memoryFolder() { return std::string(); }

std::string makeWorkFolder(const std::string& parent, std::string* error) {
    std::string stem = parent + "\\" + kPrefix + std::to_string(currentProcessId()) + "-";
    for (unsigned i = 0; i < 1000; ++i) {
        std::string candidate = stem + std::to_string(GetTickCount() % 1000000 + i);
        if (CreateDirectoryW(toWide(candidate).c_str(), nullptr)) return candidate;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    if (error) *error = parent + ": " + systemMessage(GetLastError());
    return {};
}

int removeDeadWorkFolders(const std::string& parent) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(toWide(parent + "\\" + kPrefix + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        std::string name = fromWide(found.cFileName);
        const char* digits = name.c_str() + sizeof kPrefix - 1;
        char* end = nullptr;
        long pid = std::strtol(digits, &end, 10);
        if (end == digits || *end != '-' || pid <= 0 || processExists(pid)) continue;
        removeWorkFolder(parent + "\\" + name);
        ++removed;
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return removed;
}

void removeWorkFolder(const std::string& folder) {
    if (folder.empty()) return;
    removeFilesIn(folder);
    RemoveDirectoryW(toWide(folder).c_str());
}

} // namespace plxhost

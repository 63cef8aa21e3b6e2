#include "tests/common/file_tools.h"

#include <windows.h>

#include "tests/common/platform/win/wide.h"

namespace plxtest {

bool setModTime(const std::string& path, std::time_t seconds, long nanoseconds) {
    // FILETIME counts 100 ns steps from 1601.
    const unsigned long long kFrom1601 = 116444736000000000ULL;
    unsigned long long ticks = kFrom1601 + static_cast<unsigned long long>(seconds) * 10000000ULL +
                               static_cast<unsigned long long>(nanoseconds) / 100;
    FILETIME when{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    HANDLE f = CreateFileW(toWide(path).c_str(), FILE_WRITE_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    BOOL ok = SetFileTime(f, nullptr, &when, &when);
    CloseHandle(f);
    return ok != 0;
}

bool makeReadOnly(const std::string& path) {
    std::wstring wide = toWide(path);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           SetFileAttributesW(wide.c_str(), attributes | FILE_ATTRIBUTE_READONLY);
}

} // namespace plxtest

#include "plugin/support/log_sink.h"

#include "plugin/platform/win/wide_text.h"

#include <windows.h>

#include <cstdio>

void formatLogStamp(char* dst) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    snprintf(dst, kLogStampLen + 1, "%02u:%02u:%02u:%03u: ", now.wHour % 100u, now.wMinute % 100u,
             now.wSecond % 100u, now.wMilliseconds % 1000u);
}

void appendLogLine(const char* path, const char* bytes, size_t len) {
    std::wstring wide;
    if (!widen(path, &wide) || len > MAXDWORD) return;
    // Append-only access: the system puts every write at the end of the
    // file, even when another process appends too.
    HANDLE file = CreateFileW(wide.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(len), &written, nullptr);
    CloseHandle(file);
}

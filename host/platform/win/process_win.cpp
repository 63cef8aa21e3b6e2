// Running a helper program on Windows to its end: CreateProcessW with its
// standard output and error on one pipe, standard input empty. The kept
// helper is kept_process_win.cpp.
#include "host/process.h"

#include "host/platform/win/child_start.h"
#include "host/platform/win/wide.h"

#include <windows.h>

#include <chrono>

namespace plxhost {

namespace {

bool isFile(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring withExe(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    size_t sep = name.find_last_of(L"\\/");
    bool hasExtension = dot != std::wstring::npos && (sep == std::wstring::npos || dot > sep);
    return hasExtension ? name : name + L".exe";
}

} // namespace

std::string findProgram(const std::string& name) {
    // "gs" names Ghostscript wherever it runs; on Windows that is the
    // console program gswin64c.
    std::wstring wide = withExe(toWide(name == "gs" ? "gswin64c" : name));
    if (wide.empty()) return {};
    if (wide.find_first_of(L"\\/") != std::wstring::npos) return isFile(wide) ? fromWide(wide) : "";
    // Beside the running program first, then along PATH.
    wchar_t self[32768];
    DWORD n = GetModuleFileNameW(nullptr, self, sizeof self / sizeof self[0]);
    if (n > 0 && n < sizeof self / sizeof self[0]) {
        std::wstring folder(self, n);
        size_t sep = folder.find_last_of(L"\\/");
        if (sep != std::wstring::npos) {
            std::wstring candidate = folder.substr(0, sep + 1) + wide;
            if (isFile(candidate)) return fromWide(candidate);
        }
    }
    DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (size == 0) return {};
    std::wstring path(size, L'\0');
    size = GetEnvironmentVariableW(L"PATH", &path[0], size);
    path.resize(size);
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L';', start);
        if (end == std::wstring::npos) end = path.size();
        std::wstring folder = path.substr(start, end - start);
        start = end + 1;
        if (folder.empty()) continue;
        if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
        if (isFile(folder + wide)) return fromWide(folder + wide);
    }
    return {};
}

ProcessResult runProcess(const std::vector<std::string>& argv, double timeoutSeconds,
                         size_t outputLimit, const Environment& environment) {
    ProcessResult result;
    if (argv.empty()) return result;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    PROCESS_INFORMATION pi{};
    bool started = startChild(argv, environment, nul, writeEnd, &pi);
    CloseHandle(writeEnd);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) {
        CloseHandle(readEnd);
        return result;
    }
    result.started = true;
    CloseHandle(pi.hThread);

    auto deadline = std::chrono::steady_clock::now() +
                    std::chrono::milliseconds(static_cast<long long>(timeoutSeconds * 1000));
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr)) break;
        if (available > 0) {
            DWORD got = 0;
            DWORD want = available < sizeof buffer ? available : sizeof buffer;
            if (!ReadFile(readEnd, buffer, want, &got, nullptr) || got == 0) break;
            size_t room = outputLimit > result.output.size() ? outputLimit - result.output.size() : 0;
            result.output.append(buffer, got < room ? got : room);
            continue;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            result.timedOut = true;
            TerminateProcess(pi.hProcess, 1);
            break;
        }
        // The pipe breaks when the program ends; until then look again soon.
        WaitForSingleObject(pi.hProcess, 10);
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    if (!result.timedOut && GetExitCodeProcess(pi.hProcess, &code))
        result.exitCode = static_cast<int>(code);
    CloseHandle(pi.hProcess);
    CloseHandle(readEnd);
    return result;
}

long currentProcessId() { return static_cast<long>(GetCurrentProcessId()); }

bool processExists(long id) {
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    bool alive = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
    CloseHandle(h);
    return alive;
}

} // namespace plxhost

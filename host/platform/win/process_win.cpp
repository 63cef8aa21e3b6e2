// Running a helper program on Windows: CreateProcessW with its standard
// output and error on one pipe, standard input empty.
#include "host/process.h"

#include "host/platform/win/wide.h"

#include <windows.h>

#include <chrono>
#include <cwchar>

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

// Quotes one argument the way the C runtime's command-line parser reads
// it back: backslashes are literal except before a quote.
void appendQuoted(std::wstring& line, const std::wstring& arg) {
    if (!line.empty()) line += L' ';
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') line.append(backslashes * 2 + 1, L'\\');
        else line.append(backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
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

// The environment block for CreateProcessW: this program's variables with
// the given ones replacing or adding to them. Empty when none are given.
static std::wstring environmentBlock(const Environment& extra) {
    if (extra.empty()) return {};
    std::vector<std::wstring> vars;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* p = block; p && *p; p += wcslen(p) + 1) vars.emplace_back(p);
    if (block) FreeEnvironmentStringsW(block);
    for (const std::string& e : extra) {
        std::wstring w = toWide(e);
        size_t eq = w.find(L'=');
        std::wstring name = w.substr(0, eq == std::wstring::npos ? w.size() : eq + 1);
        for (auto it = vars.begin(); it != vars.end();)
            it = _wcsnicmp(it->c_str(), name.c_str(), name.size()) == 0 ? vars.erase(it) : it + 1;
        vars.push_back(w);
    }
    std::wstring out;
    for (const std::wstring& v : vars) out += v + L'\0';
    out += L'\0';
    return out;
}

ProcessResult runProcess(const std::vector<std::string>& argv, double timeoutSeconds,
                         size_t outputLimit, const Environment& environment) {
    ProcessResult result;
    if (argv.empty()) return result;
    std::wstring line;
    for (const std::string& a : argv) appendQuoted(line, toWide(a));
    std::wstring program = toWide(argv[0]);

    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);

    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = nul;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    std::wstring env = environmentBlock(environment);
    BOOL started = CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT,
                                  env.empty() ? nullptr : &env[0], nullptr, &si, &pi);
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

// A kept helper process is not offered on Windows yet: the distiller runs
// Ghostscript once per job there.
KeptProcess::~KeptProcess() = default;

bool KeptProcess::start(const std::vector<std::string>&, const Environment&, std::string* error) {
    if (error) *error = "a kept helper process is not available on Windows";
    return false;
}

bool KeptProcess::send(const std::string&) { return false; }

KeptProcess::Reply KeptProcess::readUntil(const std::string&, double, std::string*) {
    return Reply::kEnded;
}

void KeptProcess::stop(const std::string&, double) {}

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

// Programs started with CreateProcessW, their output sent to files; the
// words are quoted the way the C runtime's command-line parser splits them.
#include "tests/common/process.h"

#include <windows.h>

#include <cstdio>

#include "tests/common/native_text.h"
#include "tests/common/platform/win/wide.h"
#include "tests/common/temp_dir.h"

namespace plxtest {

namespace {

std::wstring quotedWord(const std::wstring& word) {
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos) return word;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there they are doubled.
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

HANDLE inheritableFile(const std::string& path, bool write) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(toWide(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingFolder, bool leakReports) {
    (void)leakReports; // no sanitizer builds here
    TempDir scratch;
    std::string outFile = scratch.file("out"), errFile = scratch.file("err");
    std::wstring line = quotedWord(toWide(program));
    for (const std::string& a : args) line += L" " + quotedWord(toWide(a));
    ProgramRun run;
    HANDLE out = inheritableFile(outFile, true), err = inheritableFile(errFile, true);
    HANDLE in = inheritableFile("NUL", false);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION child{};
    std::wstring folder = toWide(workingFolder);
    BOOL started = out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
                   CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  folder.empty() ? nullptr : folder.c_str(), &startup, &child);
    for (HANDLE h : {out, err, in})
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    if (!started) return run;
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(child.hProcess, &code)) run.status = static_cast<int>(code);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    run.out = withLF(readFile(outFile));
    run.err = withLF(readFile(errFile));
    return run;
}

bool posixSystem() {
    return false;
}

std::string builtProgram(const std::string& name) {
    return std::string(PLX_BINARY_DIR) + "/bin/" + name + ".exe";
}

std::string runCommand(const std::string& command, int* status) {
    std::string out;
    FILE* pipe = _popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        if (status) *status = -1;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    int rc = _pclose(pipe);
    if (status) *status = rc;
    return out;
}

} // namespace plxtest

#include "host/platform/win/child_start.h"

#include <cwchar>

#include "host/platform/win/wide.h"

namespace plxhost {

namespace {

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

// One job for every helper of this program, never closed by hand: the
// system closes it when the program ends, and kills what is in it.
HANDLE helperJob() {
    static HANDLE job = [] {
        HANDLE j = CreateJobObjectW(nullptr, nullptr);
        if (!j) return j;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (!SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limits,
                                     sizeof limits)) {
            CloseHandle(j);
            return HANDLE(nullptr);
        }
        return j;
    }();
    return job;
}

} // namespace

std::wstring commandLine(const std::vector<std::string>& argv) {
    std::wstring line;
    for (const std::string& a : argv) appendQuoted(line, toWide(a));
    return line;
}

std::wstring environmentBlock(const Environment& extra) {
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

bool startChild(const std::vector<std::string>& argv, const Environment& environment,
                HANDLE input, HANDLE output, PROCESS_INFORMATION* child) {
    if (argv.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    std::wstring line = commandLine(argv), program = toWide(argv[0]);
    std::wstring env = environmentBlock(environment);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = input;
    si.hStdOutput = output;
    si.hStdError = output;
    // Suspended until it is in the job, so that nothing it starts escapes.
    if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED,
                        env.empty() ? nullptr : &env[0], nullptr, &si, child))
        return false;
    // A program already inside a job of its own that allows no other (before
    // Windows 8) runs its helpers unguarded rather than not at all.
    if (HANDLE job = helperJob()) AssignProcessToJobObject(job, child->hProcess);
    ResumeThread(child->hThread);
    return true;
}

} // namespace plxhost

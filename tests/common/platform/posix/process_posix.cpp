// Programs started with fork and exec, their output sent to files.
#include "tests/common/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "tests/common/temp_dir.h"

namespace plxtest {

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingFolder, bool leakReports) {
    TempDir scratch;
    std::string outFile = scratch.file("out"), errFile = scratch.file("err");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ProgramRun run;
    pid_t pid = fork();
    if (pid == 0) {
        int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
        if (!workingFolder.empty() && chdir(workingFolder.c_str()) != 0) _exit(126);
        if (!leakReports) setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int raw = 0;
    if (pid < 0 || waitpid(pid, &raw, 0) != pid) return run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

bool posixSystem() {
    return true;
}

std::string builtProgram(const std::string& name) {
    // The macOS stage runs these tests against its own plexmoor.
    const char* other = name == "plexmoor" ? std::getenv("PLX_TEST_PLEXMOOR") : nullptr;
    if (other && *other) return other;
    return std::string(PLX_BINARY_DIR) + "/bin/" + name;
}

std::string runCommand(const std::string& command, int* status) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        if (status) *status = -1;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    int rc = pclose(pipe);
    if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

} // namespace plxtest

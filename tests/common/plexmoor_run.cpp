#include "tests/common/plexmoor_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "tests/common/temp_dir.h"

namespace plxtest {

namespace {

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace

ProgramRun runPlexmoor(const std::vector<std::string>& args) {
    TempDir scratch;
    // The plug-in keeps its string table until the program unloads it;
    // leak reports of sanitizer builds are not what these tests look at.
    std::string command =
        "ASAN_OPTIONS=detect_leaks=0 " + std::string(PLX_BINARY_DIR) + "/bin/plexmoor";
    for (const std::string& a : args)
        command += " " + quoted(a);
    command += " >" + quoted(scratch.file("out")) + " 2>" + quoted(scratch.file("err"));
    ProgramRun run;
    int raw = std::system(command.c_str());
    run.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(scratch.file("out"));
    run.err = readFile(scratch.file("err"));
    return run;
}

} // namespace plxtest

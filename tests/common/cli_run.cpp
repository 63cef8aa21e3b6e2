#include "tests/common/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>

#include "tests/common/temp_dir.h"

namespace plxtest {

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

CliResult runPlexmoor(const std::string& arguments, const std::string& workingFolder) {
    TempDir capture;
    std::string outFile = capture.file("out"), errFile = capture.file("err");
    std::string command = workingFolder.empty() ? "" : "cd " + shellQuoted(workingFolder) + " && ";
    command += std::string(PLX_BINARY_DIR) + "/bin/plexmoor " + arguments + " >" +
                          shellQuoted(outFile) + " 2>" + shellQuoted(errFile);
    CliResult r;
    int rc = std::system(command.c_str());
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = readFile(outFile);
    r.err = readFile(errFile);
    return r;
}

} // namespace plxtest

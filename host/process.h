// Running a helper program (Ghostscript) and finding it.
#pragma once

#include <string>
#include <vector>

namespace plxhost {

// The program's path: `name` itself when it holds a "/" and can be run,
// otherwise the first match in PATH; empty when there is none.
std::string findProgram(const std::string& name);

struct ProcessResult {
    bool started = false;   // false: the program could not be started
    bool timedOut = false;  // killed after the time allowed
    int exitCode = -1;      // the exit status, or -1 when killed by a signal
    std::string output;     // standard output and error together
};

// Runs argv[0] (a path) with the arguments, standard input empty, and
// waits at most `timeoutSeconds`. At most `outputLimit` bytes of output
// are kept.
ProcessResult runProcess(const std::vector<std::string>& argv, int timeoutSeconds,
                         size_t outputLimit = 64 * 1024);

} // namespace plxhost

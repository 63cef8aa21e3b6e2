// Running a helper program (Ghostscript) and finding it.
//
// A helper never outlives the program that started it: it is killed when
// its parent dies, however the parent ends, and every helper started here
// is waited for once it has ended, so none stays behind as a zombie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plxhost {

// The program's path: `name` itself when it holds a "/" and can be run,
// otherwise the first match in PATH; empty when there is none.
std::string findProgram(const std::string& name);

// Variables given to a helper on top of this program's environment, each
// "NAME=value"; a name given here replaces the inherited one.
using Environment = std::vector<std::string>;

struct ProcessResult {
    bool started = false;   // false: the program could not be started
    bool timedOut = false;  // killed after the time allowed
    int exitCode = -1;      // the exit status, or -1 when killed by a signal
    std::string output;     // standard output and error together
};

// Runs argv[0] (a path) with the arguments, standard input empty, and
// waits at most `timeoutSeconds`. At most `outputLimit` bytes of output
// are kept.
ProcessResult runProcess(const std::vector<std::string>& argv, double timeoutSeconds,
                         size_t outputLimit = 64 * 1024, const Environment& environment = {});

// A helper kept running: it reads commands on its standard input and
// answers on its standard output (its standard error goes there too).
class KeptProcess {
  public:
    enum class Reply { kComplete, kEnded, kTimedOut };

    KeptProcess() = default;
    ~KeptProcess();
    KeptProcess(const KeptProcess&) = delete;
    KeptProcess& operator=(const KeptProcess&) = delete;

    // Starts argv[0] (a path). False with *error set.
    bool start(const std::vector<std::string>& argv, const Environment& environment,
               std::string* error);
    bool running() const { return id_ > 0; }
    // Whether a started process has ended (it is still waited for by stop()).
    bool ended() const;
    // The process number, or 0.
    long id() const { return id_; }
    // Sends text to its input; false when it no longer reads.
    bool send(const std::string& text);
    // Appends its output to *reply until the reply holds `marker`, the
    // helper closed its output, or `seconds` have passed. Past 64 KB only
    // the first 64 KB and the end, with the marker, are kept.
    Reply readUntil(const std::string& marker, double seconds, std::string* reply);
    // Sends `farewell`, closes its input, allows it `graceSeconds` to end
    // and then kills it; waits for it in every case.
    void stop(const std::string& farewell, double graceSeconds);
    // Sends `farewell` and closes its input without waiting: it ends on its
    // own while the caller goes on, and stop() later waits for it (at
    // once when it has ended by then).
    void bidFarewell(const std::string& farewell);

  private:
    long id_ = 0;
    std::intptr_t input_ = -1;  // its standard input
    std::intptr_t output_ = -1; // its standard output and error
    // Where the system names processes by handle (Windows); unused where
    // the number is enough.
    [[maybe_unused]] std::intptr_t handle_ = 0;
};

// This program's process number.
long currentProcessId();
// Whether a process of that number exists (one of another user counts).
bool processExists(long id);

} // namespace plxhost

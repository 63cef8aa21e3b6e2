#include "host/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace plxhost {

namespace {

constexpr size_t kReplyLimit = 64 * 1024;

bool runnable(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (std::string& t : texts) out.push_back(&t[0]);
    out.push_back(nullptr);
    return out;
}

// This program's environment with the given variables replaced or added.
std::vector<std::string> mergedEnvironment(const Environment& extra) {
    std::vector<std::string> out;
    for (char** e = environ; e && *e; ++e) {
        std::string entry = *e;
        std::string name = entry.substr(0, entry.find('='));
        bool replaced = std::any_of(extra.begin(), extra.end(), [&](const std::string& x) {
            return x.compare(0, name.size() + 1, name + "=") == 0;
        });
        if (!replaced) out.push_back(entry);
    }
    out.insert(out.end(), extra.begin(), extra.end());
    return out;
}

void closeQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}

// Starts the program with `in` as its standard input (-1: empty) and
// `out` as its standard output and error. The child asks to be killed
// when this process dies, and checks that it has not already died in the
// moment before. Returns the process number, or 0 with *error (errno).
pid_t spawn(const std::vector<std::string>& argv, const Environment& environment, int in,
            int out, int* error) {
    // Everything the child needs is made before fork: the child only calls
    // functions that are safe there.
    std::vector<std::string> args = argv;
    std::vector<std::string> env = mergedEnvironment(environment);
    std::vector<char*> argp = pointers(args), envp = pointers(env);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        *error = errno;
        return 0;
    }
    pid_t parent = ::getpid();
    pid_t pid = ::fork();
    if (pid < 0) {
        *error = errno;
        closeQuietly(report[0]);
        closeQuietly(report[1]);
        return 0;
    }
    if (pid == 0) {
#ifdef __linux__
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
        if (::getppid() != parent) ::_exit(127);
        int input = in >= 0 ? in : ::open("/dev/null", O_RDONLY);
        if (input < 0 || ::dup2(input, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0) {
            int e = errno;
            (void)!::write(report[1], &e, sizeof e);
            ::_exit(127);
        }
        ::execve(argp[0], argp.data(), envp.data());
        int e = errno;
        (void)!::write(report[1], &e, sizeof e);
        ::_exit(127);
    }
    ::close(report[1]);
    int childError = 0;
    ssize_t n;
    while ((n = ::read(report[0], &childError, sizeof childError)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (n > 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        *error = childError ? childError : EIO;
        return 0;
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

long long millisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                 std::chrono::steady_clock::now())
        .count();
}

std::chrono::steady_clock::time_point deadlineIn(double seconds) {
    return std::chrono::steady_clock::now() +
           std::chrono::milliseconds(static_cast<long long>(std::max(0.0, seconds) * 1000));
}

} // namespace

std::string findProgram(const std::string& name) {
    if (name.empty()) return std::string();
    if (name.find('/') != std::string::npos) return runnable(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t pos = 0;
    while (pos <= dirs.size()) {
        size_t colon = dirs.find(':', pos);
        if (colon == std::string::npos) colon = dirs.size();
        std::string dir = dirs.substr(pos, colon - pos);
        pos = colon + 1;
        std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
        if (runnable(candidate)) return candidate;
    }
    return std::string();
}

ProcessResult runProcess(const std::vector<std::string>& argv, double timeoutSeconds,
                         size_t outputLimit, const Environment& environment) {
    ProcessResult result;
    if (argv.empty()) return result;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return result;
    int error = 0;
    pid_t pid = spawn(argv, environment, -1, pipeFds[1], &error);
    ::close(pipeFds[1]);
    if (!pid) {
        ::close(pipeFds[0]);
        return result;
    }
    result.started = true;

    // Read the output as it comes (a full pipe would stop the program) until
    // it closes its end or the time is up.
    auto deadline = deadlineIn(timeoutSeconds);
    char buffer[4096];
    for (;;) {
        long long left = millisecondsLeft(deadline);
        if (left <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        struct pollfd pfd = {pipeFds[0], POLLIN, 0};
        int ready = ::poll(&pfd, 1, static_cast<int>(std::min<long long>(left, 1000)));
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        size_t room = outputLimit > result.output.size() ? outputLimit - result.output.size() : 0;
        result.output.append(buffer, std::min(room, static_cast<size_t>(n)));
    }
    ::close(pipeFds[0]);
    int status = waitFor(pid);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

KeptProcess::~KeptProcess() { stop(std::string(), 0); }

bool KeptProcess::start(const std::vector<std::string>& argv, const Environment& environment,
                        std::string* error) {
    stop(std::string(), 0);
    int in[2], out[2];
    // A socket for the input: writing to a helper that died gives an error
    // instead of SIGPIPE.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, in) != 0) {
        *error = std::string("no channel to the program: ") + std::strerror(errno);
        return false;
    }
    if (::pipe2(out, O_CLOEXEC) != 0) {
        *error = std::string("no channel from the program: ") + std::strerror(errno);
        ::close(in[0]);
        ::close(in[1]);
        return false;
    }
    int failure = 0;
    pid_t pid = spawn(argv, environment, in[1], out[1], &failure);
    ::close(in[1]);
    ::close(out[1]);
    if (!pid) {
        ::close(in[0]);
        ::close(out[0]);
        *error = std::strerror(failure);
        return false;
    }
    id_ = pid;
    input_ = in[0];
    output_ = out[0];
    return true;
}

bool KeptProcess::send(const std::string& text) {
    if (input_ < 0) return false;
    size_t sent = 0;
    while (sent < text.size()) {
        ssize_t n = ::send(static_cast<int>(input_), text.data() + sent, text.size() - sent,
                           MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

KeptProcess::Reply KeptProcess::readUntil(const std::string& marker, double seconds,
                                          std::string* reply) {
    if (output_ < 0) return Reply::kEnded;
    auto deadline = deadlineIn(seconds);
    char buffer[4096];
    size_t searched = 0;
    for (;;) {
        // The marker may straddle two reads: look again from just before
        // the end of what was searched.
        size_t from = searched > marker.size() ? searched - marker.size() : 0;
        if (reply->find(marker, from) != std::string::npos) return Reply::kComplete;
        // Past the limit only the end is kept, enough to see the marker
        // arrive however much the helper says before it.
        if (reply->size() > kReplyLimit + marker.size())
            reply->erase(kReplyLimit, reply->size() - kReplyLimit - marker.size());
        searched = reply->size();
        long long left = millisecondsLeft(deadline);
        if (left <= 0) return Reply::kTimedOut;
        struct pollfd pfd = {static_cast<int>(output_), POLLIN, 0};
        int ready = ::poll(&pfd, 1, static_cast<int>(std::min<long long>(left, 1000)));
        if (ready < 0 && errno != EINTR) return Reply::kEnded;
        if (ready <= 0) continue;
        ssize_t n = ::read(static_cast<int>(output_), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Reply::kEnded;
        reply->append(buffer, static_cast<size_t>(n));
    }
}

bool KeptProcess::ended() const {
    if (id_ <= 0) return true;
    siginfo_t info{};
    // WNOWAIT: the process stays to be waited for by stop().
    if (::waitid(P_PID, static_cast<id_t>(id_), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return true;
    return info.si_pid == static_cast<pid_t>(id_);
}

void KeptProcess::bidFarewell(const std::string& farewell) {
    if (id_ <= 0 || input_ < 0) return;
    if (!farewell.empty()) send(farewell);
    ::close(static_cast<int>(input_));
    input_ = -1;
}

void KeptProcess::stop(const std::string& farewell, double graceSeconds) {
    if (id_ <= 0) return;
    pid_t pid = static_cast<pid_t>(id_);
    bidFarewell(farewell);
    bool ended = false;
    int status = 0;
    auto deadline = deadlineIn(graceSeconds);
    while (!(ended = ::waitpid(pid, &status, WNOHANG) == pid) && millisecondsLeft(deadline) > 0)
        ::usleep(2000);
    if (!ended) {
        ::kill(pid, SIGKILL);
        waitFor(pid);
    }
    closeQuietly(static_cast<int>(output_));
    id_ = 0;
    input_ = output_ = -1;
}

long currentProcessId() { return static_cast<long>(::getpid()); }

bool processExists(long id) {
    if (id <= 0) return false;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

} // namespace plxhost

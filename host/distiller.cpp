#include "host/distiller.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/postscript_writer.h"
#include "host/process.h"
#include "host/safe_file.h"
#include "xt/xttypes.h"

extern char** environ;

namespace plxhost {

namespace {

const char* const kDone = "PLX-DONE";
const char* const kFailed = "PLX-FAILED";

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

// pdfwrite reads "%d" in an output file name as a page number.
std::string outputFileArgument(const std::string& path) {
    std::string out;
    for (char c : path) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

// A PDF written in full starts with its header and ends with "%%EOF".
bool wholePdf(const std::string& path, std::string* error) {
    std::string bytes;
    if (readWholeFile(path, &bytes, error) != 0) return false;
    size_t tail = bytes.size() > 64 ? bytes.size() - 64 : 0;
    if (bytes.compare(0, 5, "%PDF-") != 0 || bytes.find("%%EOF", tail) == std::string::npos) {
        *error = "Ghostscript wrote no complete PDF file";
        return false;
    }
    return true;
}

bool copyInto(const std::string& from, const std::string& to, std::string* error) {
    std::string bytes;
    if (readWholeFile(from, &bytes, error) != 0) return false;
    PendingFile file;
    if (!file.open(to, error)) return false;
    file.write(bytes.data(), bytes.size());
    return file.commit(error);
}

// What Ghostscript said about a failure: its "Error: /name in command"
// line when there is one, else the end of its output.
std::string lastLines(const std::string& output) {
    size_t error = output.find("Error: /");
    if (error != std::string::npos) {
        size_t end = output.find('\n', error);
        return output.substr(error, end == std::string::npos ? std::string::npos : end - error);
    }
    std::string text = output;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.size() > 400) text = "…" + text.substr(text.size() - 400);
    return text;
}

} // namespace

Distiller::Distiller(std::string program, bool keep, int timeoutSeconds)
    : program_(std::move(program)), keep_(keep), timeout_(timeoutSeconds) {}

Distiller::~Distiller() {
    stop();
    if (!work_.empty()) {
        for (const char* name : {"job.ps", "job.pdf", "idle.pdf"})
            ::unlink((work_ + "/" + name).c_str());
        ::rmdir(work_.c_str());
    }
}

bool Distiller::prepare(std::string* error, int16_t* code) {
    if (path_.empty()) path_ = findProgram(program_);
    if (path_.empty()) {
        *code = kXTFileNotFoundErr;
        *error = "PDF files cannot be written: Ghostscript (\"" + program_ +
                 "\") was not found. Install Ghostscript and try again.";
        return false;
    }
    if (work_.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/plexhost-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!::mkdtemp(buffer.data())) {
            *code = kXTIOErr;
            *error = "PDF files cannot be written: no work folder could be made in " +
                     pattern.substr(0, pattern.size() - 16) + " (" + std::strerror(errno) + ").";
            return false;
        }
        work_ = buffer.data();
    }
    return true;
}

std::vector<std::string> Distiller::baseArguments(double width, double height) const {
    return {path_,
            "-q",
            "-dSAFER",
            "-dNOPAUSE",
            "-sDEVICE=pdfwrite",
            "-dPDFSETTINGS=/prepress",
            "-dEmbedAllFonts=true",
            "-dSubsetFonts=true",
            "-dAutoRotatePages=/None",
            "-dDEVICEWIDTHPOINTS=" + number(width),
            "-dDEVICEHEIGHTPOINTS=" + number(height),
            "--permit-file-all=" + work_ + "/"};
}

bool Distiller::distil(const std::string& postscript, double width, double height,
                       const std::string& pdfPath, std::string* error) {
    std::string psPath = work_ + "/job.ps", jobPdf = work_ + "/job.pdf";
    ::unlink(jobPdf.c_str());
    if (!writeFileAtomically(psPath, postscript, error)) return false;
    bool ok = keep_ ? runOnServer(psPath, jobPdf, width, height, error)
                    : runOnce(psPath, jobPdf, width, height, error);
    ok = ok && wholePdf(jobPdf, error) && copyInto(jobPdf, pdfPath, error);
    ::unlink(psPath.c_str());
    ::unlink(jobPdf.c_str());
    return ok;
}

bool Distiller::runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                        double height, std::string* error) {
    std::vector<std::string> args = baseArguments(width, height);
    args.push_back("-dBATCH");
    args.push_back("-sOutputFile=" + outputFileArgument(pdfPath));
    args.push_back("-f");
    args.push_back(psPath);
    // Runs only when the job's PostScript ran to its end (it may quit early).
    args.push_back("-c");
    args.push_back(std::string("(") + kDone + "\\n) print flush");
    ProcessResult r = runProcess(args, timeout_);
    if (!r.started) {
        *error = "Ghostscript (" + path_ + ") could not be started";
        return false;
    }
    if (r.timedOut) {
        *error = "Ghostscript did not finish within " + std::to_string(timeout_) + " seconds";
        return false;
    }
    if (r.exitCode != 0) {
        *error = "Ghostscript failed (exit status " + std::to_string(r.exitCode) + ")";
        if (!r.output.empty()) *error += ": " + lastLines(r.output);
        return false;
    }
    if (r.output.find(kDone) == std::string::npos) {
        *error = "Ghostscript stopped before the end of the job";
        return false;
    }
    return true;
}

bool Distiller::startServer(std::string* error) {
    int in[2], out[2];
    // A socket for the commands: writing to a process that died gives an
    // error instead of SIGPIPE.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, in) != 0) {
        *error = std::string("no channel to Ghostscript: ") + std::strerror(errno);
        return false;
    }
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        *error = std::string("no channel from Ghostscript: ") + std::strerror(errno);
        return false;
    }
    std::vector<std::string> args = baseArguments(612, 792);
    args.push_back("-dNOPROMPT");
    args.push_back("-sOutputFile=" + outputFileArgument(work_ + "/idle.pdf"));
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[1], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, path_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[1]);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(in[0]);
        ::close(out[0]);
        *error = "Ghostscript (" + path_ + ") could not be started: " + std::strerror(spawned);
        return false;
    }
    pid_ = pid;
    toServer_ = in[0];
    fromServer_ = out[0];
    return true;
}

void Distiller::stop() {
    if (pid_ <= 0) return;
    if (toServer_ >= 0) {
        const char quit[] = "quit\n";
        ::send(toServer_, quit, sizeof quit - 1, MSG_NOSIGNAL);
        ::close(toServer_);
    }
    // Give it a moment to finish on its own, then end it.
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 200 && !ended; ++i) {
        ended = ::waitpid(pid_, &status, WNOHANG) == pid_;
        if (!ended) ::usleep(10000);
    }
    if (!ended) {
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (fromServer_ >= 0) ::close(fromServer_);
    pid_ = 0;
    toServer_ = fromServer_ = -1;
}

bool Distiller::sendCommand(const std::string& command) {
    size_t sent = 0;
    while (sent < command.size()) {
        ssize_t n = ::send(toServer_, command.data() + sent, command.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

bool Distiller::readUntilDone(std::string* reply) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_);
    std::string marker = std::string(kDone) + "\n";
    char buffer[4096];
    while (reply->find(marker) == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        if (left <= 0) return false;
        struct pollfd pfd = {fromServer_, POLLIN, 0};
        int ready = ::poll(&pfd, 1, static_cast<int>(left < 1000 ? left : 1000));
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) continue;
        ssize_t n = ::read(fromServer_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        if (reply->size() < 64 * 1024) reply->append(buffer, static_cast<size_t>(n));
    }
    return true;
}

bool Distiller::runOnServer(const std::string& psPath, const std::string& pdfPath, double width,
                            double height, std::string* error) {
    if (pid_ <= 0 && !startServer(error)) return false;
    ++jobNumber_;
    // Switching the output file closes the previous PDF; switching to the
    // idle file afterwards closes this job's PDF, so it is whole once the
    // marker comes back. Whatever a failed job left on the stacks goes.
    std::string command =
        "<< /OutputFile " + psBytesLiteral(outputFileArgument(pdfPath)) + " /PageSize [" +
        number(width) + " " + number(height) + "] >> setpagedevice\n" + "{ " +
        psBytesLiteral(psPath) + " run } stopped { (" + kFailed +
        " ) print $error /errorname get =only ( in ) print $error /command get =only (\\n) print"
        " } if\n"
        "clear cleardictstack grestoreall initgraphics\n"
        "<< /OutputFile " +
        psBytesLiteral(outputFileArgument(work_ + "/idle.pdf")) + " >> setpagedevice\n(" + kDone +
        "\\n) print flush\n";
    std::string reply;
    if (!sendCommand(command) || !readUntilDone(&reply)) {
        stop();
        *error = "Ghostscript stopped answering";
        if (!reply.empty()) *error += ": " + lastLines(reply);
        return false;
    }
    size_t failed = reply.find(kFailed);
    if (failed != std::string::npos) {
        size_t end = reply.find('\n', failed);
        *error = "Ghostscript failed: " +
                 reply.substr(failed + std::strlen(kFailed) + 1,
                              end == std::string::npos ? std::string::npos
                                                       : end - failed - std::strlen(kFailed) - 1);
        return false;
    }
    return true;
}

} // namespace plxhost

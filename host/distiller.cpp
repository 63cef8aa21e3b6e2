#include "host/distiller.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/file_open.h"
#include "host/ghostscript_output.h"
#include "host/postscript_writer.h"
#include "host/safe_file.h"
#include "host/work_folder.h"
#include "xt/xttypes.h"

namespace plxhost {

namespace {

const char* const kDone = "PLX-DONE";
const char* const kFailed = "PLX-FAILED";
// How long a kept process may take to end after "quit".
constexpr double kQuitSeconds = 2;

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds);
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

// A PDF written in full starts with its header and ends with "%%EOF":
// its first bytes and its last ones tell.
bool wholePdf(const std::string& path, std::string* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    bool whole = false;
    if (fd >= 0) {
        char head[5] = {}, tail[65] = {};
        off_t size = ::lseek(fd, 0, SEEK_END);
        off_t from = size > 64 ? size - 64 : 0;
        ssize_t got = size >= 5 ? ::pread(fd, tail, static_cast<size_t>(size - from), from) : 0;
        whole = got > 0 && ::pread(fd, head, sizeof head, 0) == 5 &&
                std::memcmp(head, "%PDF-", 5) == 0 &&
                std::string(tail, static_cast<size_t>(got)).find("%%EOF") != std::string::npos;
        ::close(fd);
    }
    if (!whole) *error = "Ghostscript wrote no complete PDF file";
    return whole;
}

// The finished file goes into place by a rename (the work folder and the
// target usually share a file system), else by a copy under a temporary
// name. Either way it appears only whole; the run makes it durable.
bool moveInto(const std::string& from, const std::string& to, std::string* error) {
    if (!wholePdf(from, error)) return false;
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    if (errno != EXDEV) {
        *error = to + ": " + std::strerror(errno);
        return false;
    }
    std::string bytes;
    if (readWholeFile(from, &bytes, error) != 0) return false;
    PendingFile file;
    if (!file.open(to, error)) return false;
    file.write(bytes.data(), bytes.size());
    return file.commit(error, Sync::kLater);
}

// The job's PostScript for Ghostscript's eyes only: nothing need survive a
// crash, so it is written without the care given to the user's files.
bool writeScratch(const std::string& path, const std::string& text, std::string* error) {
    std::FILE* f = openFile(path, "wb");
    bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) *error = path + ": " + std::strerror(errno ? errno : EIO);
    return ok;
}

} // namespace

Distiller::Distiller(std::string program, bool keep, int processes)
    : program_(std::move(program)), keep_(keep) {
    for (int i = 0; i < (keep ? std::max(processes, 1) : 0); ++i)
        servers_.push_back(std::make_unique<Server>());
}

Distiller::~Distiller() {
    stop();
    if (!work_.empty()) removeWorkFolder(work_);
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
        std::string parent = temporaryFolder(), why;
        removeDeadWorkFolders(parent);
        work_ = makeWorkFolder(parent, &why);
        if (work_.empty()) {
            *code = kXTIOErr;
            *error = "PDF files cannot be written: no work folder could be made in " + parent +
                     " (" + why + ").";
            return false;
        }
    }
    return true;
}

void Distiller::permitReading(const std::vector<std::string>& files) {
    bool added = false;
    for (const std::string& file : files)
        if (readable_.insert(file).second) added = true;
    if (added) stop();
}

std::vector<std::string> Distiller::baseArguments(double width, double height) const {
    std::vector<std::string> args = {path_,
            "-q",
            "-dSAFER",
            "-dNOPAUSE",
            "-sDEVICE=pdfwrite",
            "-dPDFSETTINGS=/prepress",
            "-dEmbedAllFonts=true",
            "-dSubsetFonts=true",
            "-dAutoRotatePages=/None",
            // Images of the PDF pages jobs show keep their resolution.
            "-dDownsampleColorImages=false",
            "-dDownsampleGrayImages=false",
            "-dDownsampleMonoImages=false",
            "-dDEVICEWIDTHPOINTS=" + number(width),
            "-dDEVICEHEIGHTPOINTS=" + number(height),
            "--permit-file-all=" + work_ + "/"};
    for (const std::string& file : readable_) args.push_back("--permit-file-read=" + file);
    return args;
}

// Ghostscript's own temporary files go into the work folder too, so that
// they go with it.
Environment Distiller::environment() const { return {"TMPDIR=" + work_}; }

bool Distiller::hasRoom() const {
    if (!keep_) return jobs_.empty();
    for (const auto& server : servers_)
        if (!server->busy) return true;
    return false;
}

void Distiller::start(const std::string& postscript, size_t setupBegin, size_t setupEnd,
                      double width, double height, const std::string& pdfPath, double seconds) {
    jobs_.emplace_back();
    Job& job = jobs_.back();
    job.result.target = pdfPath;
    job.seconds = seconds;
    job.deadline = std::chrono::steady_clock::now() +
                   std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    std::string name = work_ + "/job" + std::to_string(++serial_);
    job.ps = name + ".ps";
    job.pdf = name + ".pdf";
    DistilledJob& result = job.result;
    if (!keep_) {
        result.ok = writeScratch(job.ps, postscript, &result.error) &&
                    runOnce(job.ps, job.pdf, width, height, seconds, &result);
        return;
    }
    Server* server = nullptr;
    for (auto& s : servers_)
        if (!s->busy) {
            server = s.get();
            break;
        }
    if (!server) {
        result.error = "no Ghostscript process was free for the job";
        return;
    }
    setupEnd = std::min(setupEnd, postscript.size());
    setupBegin = std::min(setupBegin, setupEnd);
    std::string setup = postscript.substr(setupBegin, setupEnd - setupBegin);
    if (server->process.running() && jobsPerProcess_ > 0 && server->jobs >= jobsPerProcess_)
        stopServer(*server);
    bool ok = server->process.running() || startServer(*server, &result.error);
    if (ok && server->setup.empty() && !setup.empty()) {
        // The first job's set-up becomes the process's own, outside any
        // job's save.
        std::string setupPath = name + "-setup.ps";
        ok = writeScratch(setupPath, setup, &result.error) &&
             ask(*server, psBytesLiteral(setupPath) + " plxsetup\n", seconds, &result);
        ::unlink(setupPath.c_str());
        if (ok) server->setup = setup;
    }
    // A job whose set-up differs from the kept one brings its own.
    bool kept = ok && setup == server->setup;
    ok = ok && writeScratch(job.ps,
                            kept ? postscript.substr(0, setupBegin) + postscript.substr(setupEnd)
                                 : postscript,
                            &result.error);
    if (!ok) return;
    std::string command = psBytesLiteral(outputFileArgument(server->idle)) + " " +
                          psBytesLiteral(job.ps) + " " +
                          psBytesLiteral(outputFileArgument(job.pdf)) + " " + number(width) +
                          " " + number(height) + " plxjob\n";
    ++server->jobs;
    if (!server->process.send(command)) {
        stopServer(*server);
        result.error = "Ghostscript stopped answering";
        return;
    }
    server->busy = true;
    job.server = server;
}

void Distiller::await(Job& job) {
    if (!job.server) return;
    Server& server = *job.server;
    job.server = nullptr;
    server.busy = false;
    double left = std::chrono::duration<double>(job.deadline - std::chrono::steady_clock::now())
                      .count();
    // What came already counts even when the time is up.
    job.result.ok = answered(server, std::max(left, 0.001), &job.reply, &job.result);
    if (job.result.timedOut)
        job.result.error =
            "Ghostscript did not finish within " + secondsText(job.seconds) + " seconds";
}

void Distiller::awaitAll() {
    for (Job& job : jobs_) await(job);
}

DistilledJob Distiller::finish() {
    if (jobs_.empty()) return DistilledJob{};
    Job& job = jobs_.front();
    await(job);
    DistilledJob result = job.result;
    if (result.ok) result.ok = moveInto(job.pdf, result.target, &result.error);
    ::unlink(job.ps.c_str());
    ::unlink(job.pdf.c_str());
    jobs_.pop_front();
    return result;
}

bool Distiller::runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                        double height, double seconds, DistilledJob* result) {
    std::vector<std::string> args = baseArguments(width, height);
    args.push_back("-dBATCH");
    args.push_back("-sOutputFile=" + outputFileArgument(pdfPath));
    args.push_back("-f");
    args.push_back(psPath);
    // Runs only when the job's PostScript ran to its end (it may quit early).
    args.push_back("-c");
    args.push_back(std::string("(") + kDone + "\\n) print flush");
    ProcessResult r = runProcess(args, seconds, 64 * 1024, environment());
    std::string* error = &result->error;
    if (!r.started) {
        *error = "Ghostscript (" + path_ + ") could not be started";
        return false;
    }
    if (r.timedOut) {
        result->timedOut = true;
        *error = "Ghostscript did not finish within " + secondsText(seconds) + " seconds";
        return false;
    }
    if (r.exitCode != 0) {
        *error = "Ghostscript failed (exit status " + std::to_string(r.exitCode) + ")";
        if (!r.output.empty()) *error += ": " + ghostscriptSays(r.output);
        return false;
    }
    if (r.output.find(kDone) == std::string::npos) {
        *error = "Ghostscript stopped before the end of the job";
        return false;
    }
    return true;
}

void Distiller::stop() {
    awaitAll();
    for (auto& server : servers_) stopServer(*server);
}

void Distiller::stopServer(Server& server) {
    server.process.stop("quit\n", kQuitSeconds);
    server.setup.clear();
}

bool Distiller::startServer(Server& server, std::string* error) {
    server.setup.clear();
    server.jobs = 0;
    server.idle = work_ + "/idle" + std::to_string(++serial_) + ".pdf";
    std::vector<std::string> args = baseArguments(612, 792);
    args.push_back("-dNOPROMPT");
    args.push_back("-sOutputFile=" + outputFileArgument(server.idle));
    std::string why;
    if (!server.process.start(args, environment(), &why)) {
        *error = "Ghostscript (" + path_ + ") could not be started: " + why;
        return false;
    }
    // The procedures every job uses, defined once. A job switches the
    // output to its PDF file, runs its PostScript inside `stopped` and
    // `save`/`restore`, and switches to the idle file, which closes the
    // job's PDF: it is whole once the marker comes back. Whatever a failed
    // job left on the stacks goes.
    std::string init = std::string(
        "/plxjobs 8 dict def\n"
        "/plxfailed { (") + kFailed + " ) print $error /errorname get =only ( in ) print"
        " $error /command get =only (\\n) print } bind def\n"
        "/plxsetup { { run } stopped { plxfailed } if clear cleardictstack (" + kDone +
        "\\n) print flush } bind def\n"
        "/plxjob { plxjobs begin /h exch def /w exch def /pdf exch def /ps exch def /idle exch def"
        " end\n"
        "  << /OutputFile plxjobs /pdf get /PageSize [ plxjobs /w get plxjobs /h get ] >>"
        " setpagedevice\n"
        "  plxjobs /vm save put\n"
        "  { plxjobs /ps get run } stopped { plxfailed } if\n"
        "  clear cleardictstack plxjobs /vm get restore grestoreall initgraphics\n"
        "  << /OutputFile plxjobs /idle get >> setpagedevice (" + kDone +
        "\\n) print flush } bind def\n";
    if (!server.process.send(init)) {
        server.process.stop(std::string(), 0);
        *error = "Ghostscript (" + path_ + ") did not take its commands";
        return false;
    }
    return true;
}

bool Distiller::ask(Server& server, const std::string& command, double seconds,
                    DistilledJob* result) {
    std::string reply;
    if (!server.process.send(command)) {
        stopServer(server);
        result->error = "Ghostscript stopped answering";
        return false;
    }
    return answered(server, seconds, &reply, result);
}

// Reads the server's answer to the command it was sent last.
bool Distiller::answered(Server& server, double seconds, std::string* reply,
                         DistilledJob* result) {
    KeptProcess::Reply got = server.process.readUntil(std::string(kDone) + "\n", seconds, reply);
    std::string* error = &result->error;
    if (got != KeptProcess::Reply::kComplete) {
        // It no longer reads its commands: asking it to quit would only wait.
        server.process.stop(std::string(), 0);
        server.setup.clear();
        if (got == KeptProcess::Reply::kTimedOut) {
            result->timedOut = true;
            *error = "Ghostscript did not finish within " + secondsText(seconds) + " seconds";
        } else {
            *error = "Ghostscript stopped answering";
        }
        if (!reply->empty()) *error += ": " + ghostscriptSays(*reply);
        return false;
    }
    size_t failed = reply->find(kFailed);
    if (failed != std::string::npos) {
        size_t from = failed + std::strlen(kFailed) + 1;
        size_t end = reply->find('\n', failed);
        *error = "Ghostscript failed: " +
                 reply->substr(from, end == std::string::npos ? std::string::npos : end - from);
        return false;
    }
    return true;
}

} // namespace plxhost

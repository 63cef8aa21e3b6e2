#include "host/distiller.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "host/distiller_protocol.h"
#include "host/file_open.h"
#include "host/ghostscript_output.h"
#include "host/postscript_writer.h"
#include "host/safe_file.h"
#include "host/work_folder.h"
#include "xt/xttypes.h"

namespace plxhost {

namespace {

using namespace distiller_detail;

const char* const kDone = "PLX-DONE";
const char* const kMarkerEnd = "=PLX\n";
// How long an answer already under way may take once the time is up.
constexpr double kGraceSeconds = 0.05;

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

// A PDF written in full starts with its header and ends with "%%EOF":
// its first bytes and its last 64 tell.
bool wholePdf(std::string_view head, std::string_view tail) {
    return head.substr(0, 5) == "%PDF-" && tail.find("%%EOF") != std::string_view::npos;
}

bool wholePdf(const std::string& bytes) {
    std::string_view all(bytes);
    return wholePdf(all, all.substr(all.size() > 64 ? all.size() - 64 : 0));
}

// The same for a file, read at its two ends only.
bool wholePdf(const std::string& path, std::string* error) {
    bool whole = false;
    if (std::FILE* f = openFile(path, "rb")) {
        char head[5] = {}, tail[64] = {};
        long size = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : -1;
        long from = size > 64 ? size - 64 : 0;
        size_t got = 0;
        if (size >= 5 && std::fseek(f, from, SEEK_SET) == 0)
            got = std::fread(tail, 1, static_cast<size_t>(size - from), f);
        whole = got > 0 && std::fseek(f, 0, SEEK_SET) == 0 &&
                std::fread(head, 1, sizeof head, f) == sizeof head &&
                wholePdf(std::string_view(head, sizeof head), std::string_view(tail, got));
        std::fclose(f);
    }
    if (!whole) *error = "Ghostscript wrote no complete PDF file";
    return whole;
}

// The finished file goes into place by a rename when the job's folder and
// the target share a file system, else by a copy under a temporary name.
// Either way it appears only whole; the run makes it durable. A job's
// file in memory (small: the host's own drawing) is read once and copied.
bool moveInto(const std::string& from, const std::string& to, bool inMemory,
              std::string* error) {
    std::string bytes;
    if (inMemory) {
        std::string why;
        if (readWholeFile(from, &bytes, &why) != 0 || !wholePdf(bytes)) {
            *error = "Ghostscript wrote no complete PDF file";
            return false;
        }
    } else {
        if (!wholePdf(from, error)) return false;
        if (std::rename(from.c_str(), to.c_str()) == 0) return true;
        if (readWholeFile(from, &bytes, error) != 0) return false;
    }
    PendingFile file;
    if (!file.open(to, error)) return false;
    file.write(bytes.data(), bytes.size());
    return file.commit(error, Sync::kLater);
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
    if (!memory_.empty()) removeWorkFolder(memory_);
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
    // Every job makes and deletes files: its PostScript, its PDF and
    // pdfwrite's four temporary files. On a disk file system making them
    // was a third of the run's time (the file system looks for a free
    // inode among those deleted lately), so they are made in memory. A
    // folder in memory that cannot be made costs nothing but that.
    if (memory_.empty() && !temporaryParent_.empty()) {
        std::string why;
        removeDeadWorkFolders(temporaryParent_);
        memory_ = makeWorkFolder(temporaryParent_, &why);
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
    if (!memory_.empty()) args.push_back("--permit-file-all=" + memory_ + "/");
    for (const std::string& file : readable_) args.push_back("--permit-file-read=" + file);
    return args;
}

// The jobs' files and Ghostscript's own temporary files go into a private
// folder, so that they go with it: the one in memory unless a job shows
// pages of PDF files, whose images may make those files large (what the
// host draws itself is small). Kept processes are started afresh when the
// files to read change, so a process keeps the folder it started with.
const std::string& Distiller::jobFolder() const {
    return memory_.empty() || !readable_.empty() ? work_ : memory_;
}

Environment Distiller::environment() const { return {"TMPDIR=" + jobFolder()}; }

bool Distiller::hasRoom() const {
    // Two jobs a process: one running, one whose file the next job's
    // switch closes; the oldest job is finished before a third is given.
    if (!keep_) return jobs_.empty();
    return jobs_.size() + 1 < 2 * servers_.size() || jobs_.empty();
}

void Distiller::start(const std::string& postscript, size_t setupBegin, size_t setupEnd,
                      double width, double height, const std::string& pdfPath, double seconds) {
    jobs_.emplace_back();
    Job& job = jobs_.back();
    job.result.target = pdfPath;
    job.seconds = seconds;
    job.deadline = std::chrono::steady_clock::now() +
                   std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    unsigned long serial = ++serial_;
    auto name = [this, &job, serial](const std::string& folder) {
        job.ps = folder + "/job" + std::to_string(serial) + ".ps";
        job.pdf = folder + "/job" + std::to_string(serial) + ".pdf";
        job.inMemory = !memory_.empty() && folder == memory_;
    };
    DistilledJob& result = job.result;
    if (!keep_) {
        name(jobFolder());
        result.ok = writeScratch(job.ps, postscript, &result.error) &&
                    runOnce(job.ps, job.pdf, width, height, seconds, &result);
        return;
    }
    // The process used longest ago; its last job is waited for when it
    // still runs.
    Server* server = servers_.front().get();
    for (auto& s : servers_)
        if (s->lastUse < server->lastUse) server = s.get();
    for (Job& earlier : jobs_) {
        if (earlier.server != server || earlier.ended) continue;
        awaitEnd(earlier);
        if (earlier.result.timedOut) {
            // A hang ends the run: this job is not given to anyone.
            result.timedOut = true;
            result.error = "an earlier job did not finish in time";
            return;
        }
    }
    bool due = jobsPerProcess_ > 0 && server->jobs >= jobsPerProcess_;
    if (server->process.running() ? due : server->successor != nullptr)
        server = replace(server);
    setupEnd = std::min(setupEnd, postscript.size());
    setupBegin = std::min(setupBegin, setupEnd);
    std::string setup = postscript.substr(setupBegin, setupEnd - setupBegin);
    if (server->process.running() && !awaitReady(*server, seconds, &result)) {
        // A successor that ended while it waited makes way for a fresh start.
        if (result.timedOut || server->ready > 0) return;
        result.error.clear();
    }
    if (!server->process.running() && !startServer(*server, setup, seconds, &result)) return;
    name(server->folder);
    // A job whose set-up differs from the kept one brings its own.
    bool kept = setup == server->setup;
    if (!writeScratch(job.ps,
                      kept ? postscript.substr(0, setupBegin) + postscript.substr(setupEnd)
                           : postscript,
                      &result.error))
        return;
    server->lastUse = serial;
    ++server->jobs;
    if (!server->process.send(std::to_string(serial) + " " + number(width) + " " +
                              number(height) + " plxjob\n")) {
        lose(*server, nullptr, KeptProcess::Reply::kEnded);
        result.error = "Ghostscript stopped answering";
        return;
    }
    job.number = ++server->sent;
    job.switchNumber = ++server->switches;
    job.server = server;
    prepareSuccessor(*server);
}

DistilledJob Distiller::finish() {
    if (jobs_.empty()) return DistilledJob{};
    Job& job = jobs_.front();
    if (job.server && !job.ended) awaitEnd(job);
    if (job.server) awaitClosed(job);
    DistilledJob result = job.result;
    if (result.ok)
        result.ok = moveInto(job.pdf, result.target, job.inMemory, &result.error);
    if (!job.ps.empty()) removeFile(job.ps);
    if (!job.pdf.empty()) removeFile(job.pdf);
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

// Takes the next answer out of what the process said, reading more when
// none is complete yet.
KeptProcess::Reply Distiller::readEvent(Server& server, double seconds) {
    auto deadline = std::chrono::steady_clock::now() +
                    std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    KeptProcess::Reply got = KeptProcess::Reply::kComplete;
    for (;;) {
        size_t best = std::string::npos, length = 0;
        Event event = Event::kDone;
        for (auto [marker, kind] : {std::make_pair(kEnded, Event::kDone),
                                    std::make_pair(kClosed, Event::kClosed),
                                    std::make_pair(kReady, Event::kReady)}) {
            size_t at = server.unread.find(marker);
            if (at < best) {
                best = at;
                length = std::strlen(marker);
                event = kind;
            }
        }
        if (best != std::string::npos) {
            std::string said = server.unread.substr(0, best);
            server.unread.erase(0, best + length);
            if (event == Event::kDone) {
                server.replies[++server.done] = said;
            } else if (event == Event::kClosed) {
                ++server.closed;
            } else {
                ++server.ready;
                server.readySaid = said;
            }
            return KeptProcess::Reply::kComplete;
        }
        if (got != KeptProcess::Reply::kComplete) return got;
        double left =
            std::chrono::duration<double>(deadline - std::chrono::steady_clock::now()).count();
        // Past the time, what came already still counts: one more look.
        bool late = left <= 0;
        std::string more;
        got = server.process.readUntil(kMarkerEnd, late ? kGraceSeconds : left, &more);
        if (late && got == KeptProcess::Reply::kComplete) got = KeptProcess::Reply::kTimedOut;
        // Only the end of a long output can matter: what a failure said.
        if (server.unread.size() > 64 * 1024) server.unread.erase(0, server.unread.size() - 4096);
        server.unread += more;
    }
}

// The process ended or hung: it is stopped, and its jobs fail but those
// whose files it closed already.
void Distiller::lose(Server& server, Job* waited, KeptProcess::Reply why) {
    server.process.stop(std::string(), 0);
    server.setup.clear();
    for (Job& job : jobs_) {
        if (job.server != &server) continue;
        takeEnd(job);
        if (!job.server) continue;
        job.server = nullptr;
        if (job.ended && job.result.ok && server.closed > job.switchNumber) continue;
        job.result.ok = false;
        if (&job == waited && why == KeptProcess::Reply::kTimedOut) {
            job.result.timedOut = true;
            job.result.error =
                "Ghostscript did not finish within " + secondsText(job.seconds) + " seconds";
        } else {
            job.result.error = "Ghostscript stopped answering";
        }
        if (&job == waited && !server.unread.empty())
            job.result.error += ": " + ghostscriptSays(server.unread);
    }
}

// Takes the job's "done" when it was read, and what the job said before.
void Distiller::takeEnd(Job& job) {
    if (job.ended || !job.server || job.server->done < job.number) return;
    Server& server = *job.server;
    auto reply = server.replies.find(job.number);
    std::string said = reply == server.replies.end() ? std::string() : reply->second;
    if (reply != server.replies.end()) server.replies.erase(reply);
    job.ended = true;
    size_t failed = said.find(kFailed);
    if (failed == std::string::npos) {
        job.result.ok = true;
        return;
    }
    job.result.ok = false;
    job.result.error = "Ghostscript failed: " + failureOf(said, failed);
    job.server = nullptr;
}

void Distiller::awaitEnd(Job& job) {
    while (job.server && job.server->done < job.number) {
        double left =
            std::chrono::duration<double>(job.deadline - std::chrono::steady_clock::now())
                .count();
        KeptProcess::Reply got = readEvent(*job.server, left);
        if (got != KeptProcess::Reply::kComplete) lose(*job.server, &job, got);
    }
    takeEnd(job);
}

// Waits until the switch after the job has closed its file, asking for one
// when no job followed on its process.
void Distiller::awaitClosed(Job& job) {
    Server& server = *job.server;
    if (server.switches == job.switchNumber) {
        if (!server.process.send("plxclose\n")) {
            lose(server, &job, KeptProcess::Reply::kEnded);
            return;
        }
        ++server.switches;
    }
    while (job.server && server.closed <= job.switchNumber) {
        KeptProcess::Reply got = readEvent(server, job.seconds);
        if (got != KeptProcess::Reply::kComplete) lose(server, &job, got);
    }
    job.server = nullptr;
}

} // namespace plxhost

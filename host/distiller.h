// Turns a job's PostScript into PDF with Ghostscript's pdfwrite device.
//
// Ghostscript works only inside a private work folder (it runs with
// -dSAFER and may write nowhere else, its own temporary files included);
// the finished PDF is renamed from there into the target folder (copied
// under a temporary name and renamed when the two lie on different file
// systems). The media size is always given explicitly, so the
// interpreter's default paper never applies, and fonts are embedded
// (/prepress settings). Work folders that runs which died left behind are
// removed when the next distiller prepares its own.
//
// With `keep` set the distiller starts Ghostscript processes that it
// feeds job after job; each job switches pdfwrite to a fresh output file,
// so every job still becomes a PDF document of its own. The jobs' prolog
// and set-up (procedures, the re-encoded font) are the same run after
// run: a process takes them once and keeps them, and each job then brings
// only its pages, inside save and restore so that nothing a job leaves in
// memory stays. A process that dies or stops answering is ended and
// started afresh for the next job.
//
// With more than one process, jobs overlap: start() hands a job to a free
// process and returns at once; finish() waits for the oldest job and moves
// its file into place, so files appear in the order the jobs came.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/process.h"

namespace plxhost {

// A job's outcome.
struct DistilledJob {
    std::string target; // the PDF file it was to become
    bool ok = false;     // the file is in place
    bool timedOut = false; // Ghostscript took too long and was stopped
    std::string error;   // what failed
};

class Distiller {
  public:
    // `processes`: how many kept processes share the jobs (at least 1).
    Distiller(std::string program, bool keep, int processes = 1);
    ~Distiller();
    Distiller(const Distiller&) = delete;
    Distiller& operator=(const Distiller&) = delete;

    const std::string& program() const { return program_; }
    bool keeps() const { return keep_; }
    int processes() const { return static_cast<int>(servers_.size()); }

    // Finds Ghostscript and makes the work folder. False with *error and
    // *code (kXTFileNotFoundErr: no Ghostscript; kXTIOErr otherwise).
    bool prepare(std::string* error, int16_t* code);
    // Starts distilling the PostScript into the PDF file at `pdfPath`
    // (whose first page is width x height points), allowing Ghostscript
    // `seconds` from now. The bytes from `setupBegin` to `setupEnd` are
    // the prolog and set-up. Needs room (hasRoom()). The outcome comes
    // from finish(), a failure to start included.
    void start(const std::string& postscript, size_t setupBegin, size_t setupEnd, double width,
               double height, const std::string& pdfPath, double seconds);
    // Whether start() may be called before the next finish().
    bool hasRoom() const;
    // Whether the job started last runs in a process (false: its outcome,
    // a failure to start it, is known already).
    bool newestUnderWay() const { return !jobs_.empty() && jobs_.back().server; }
    // Jobs started and not yet finished.
    size_t pending() const { return jobs_.size(); }
    // Waits for the oldest job started and moves its file into place: the
    // file is whole or not there (not yet durable: the caller makes it so).
    DistilledJob finish();
    // Lets Ghostscript read these files (pages of PDF files that jobs
    // show). Under -dSAFER a process can only be given them as it starts,
    // so kept processes that lack one are replaced (after the jobs under
    // way have ended).
    void permitReading(const std::vector<std::string>& files);
    // Replaces a kept process after this many jobs (0: never).
    void setJobsPerProcess(int jobs) { jobsPerProcess_ = jobs; }
    // Ends the kept processes once the jobs under way have ended.
    void stop();
    // The first kept process, or 0 (for tests).
    long serverPid() const { return servers_.empty() ? 0 : servers_[0]->process.id(); }
    // The work folder, once prepared (for tests).
    const std::string& workFolder() const { return work_; }

  private:
    struct Server {
        KeptProcess process;
        std::string setup; // the prolog and set-up it keeps
        std::string idle;  // the file its output goes to between jobs
        int jobs = 0;      // jobs it has run
        bool busy = false; // a job of it has not been waited for
    };
    struct Job {
        DistilledJob result;
        Server* server = nullptr; // null: the outcome is known already
        std::string ps, pdf;      // its files in the work folder
        double seconds = 0;
        std::chrono::steady_clock::time_point deadline;
        std::string reply;
    };

    std::vector<std::string> baseArguments(double width, double height) const;
    Environment environment() const;
    bool runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                 double height, double seconds, DistilledJob* result);
    bool startServer(Server& server, std::string* error);
    void stopServer(Server& server);
    bool ask(Server& server, const std::string& command, double seconds, DistilledJob* result);
    bool answered(Server& server, double seconds, std::string* reply, DistilledJob* result);
    void await(Job& job);
    void awaitAll();

    std::string program_;
    bool keep_;
    std::string path_;   // the program found
    std::string work_;   // private work folder
    std::vector<std::unique_ptr<Server>> servers_;
    std::deque<Job> jobs_; // started, oldest first
    std::set<std::string> readable_; // files Ghostscript may read
    int jobsPerProcess_ = 0;
    unsigned long serial_ = 0; // names the jobs' files
};

} // namespace plxhost

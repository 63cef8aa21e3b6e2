// Turns a job's PostScript into PDF with Ghostscript's pdfwrite device.
//
// Ghostscript works only inside private folders (it runs with -dSAFER
// and may write nowhere else, its own temporary files included): one in
// memory where there is one, else the work folder. The finished PDF is
// copied from there into the target folder under a temporary name and
// renamed (renamed straight into place when the two share a file system). The media size is always given explicitly, so the
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
#include <map>
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
    // Where the jobs' files and Ghostscript's own temporary files go: a
    // work folder of their own made in `parent` (a memory file system:
    // memoryFolder()) for processes whose jobs show no PDF file's pages,
    // else the work folder. Empty: always the work folder. Set before
    // prepare().
    void setTemporaryParent(const std::string& parent) { temporaryParent_ = parent; }
    // Replaces a kept process after this many jobs (0: never).
    void setJobsPerProcess(int jobs) { jobsPerProcess_ = jobs; }
    // Ends the kept processes once the jobs under way have ended.
    void stop();
    // The first kept process, or 0 (for tests).
    long serverPid() const { return servers_.empty() ? 0 : servers_[0]->process.id(); }
    // The work folder, once prepared (for tests).
    const std::string& workFolder() const { return work_; }
    // The folder for Ghostscript's temporary files in memory, or empty.
    const std::string& temporaryFolderInMemory() const { return memory_; }

  private:
    // A kept process and what it was told. Each job switches the output to
    // its own file, which closes the file before; the process answers each
    // switch with "closed" and each job's end with "done". A job's file is
    // whole once the switch after it has answered: the next job's, or a
    // switch to the idle file when no job follows soon enough.
    struct Server {
        KeptProcess process;
        std::string folder; // where its jobs' files are (jobFolder() as it started)
        std::string setup;  // the prolog and set-up it keeps
        std::string offered;   // the set-up sent, until it answered
        std::string setupFile; // the file it reads that set-up from, until then
        std::string idle;   // its output when no job's file is open
        int jobs = 0;       // jobs it has run
        unsigned long lastUse = 0;     // the serial of its last job
        std::string unread;            // its output not yet taken apart
        long switches = 0, closed = 0; // output switches sent, answered
        long sent = 0, done = 0;       // jobs sent, ended
        long ready = 0;                // set-ups answered
        std::string readySaid;         // what the set-up said
        std::map<long, std::string> replies; // what ended jobs said, by number
        // The process that takes over when this one has run its share,
        // started some jobs before.
        std::unique_ptr<Server> successor;
    };
    struct Job {
        DistilledJob result;
        Server* server = nullptr; // its process, until its file is whole or it failed
        long number = 0;          // among the jobs its process was sent
        long switchNumber = 0;    // its switch among its process's switches
        bool ended = false;       // its "done" was taken
        std::string ps, pdf;      // its files in its folder (empty until it has one)
        bool inMemory = false;    // that folder is the one in memory
        double seconds = 0;
        std::chrono::steady_clock::time_point deadline;
    };
    enum class Event { kDone, kClosed, kReady };

    std::vector<std::string> baseArguments(double width, double height) const;
    const std::string& jobFolder() const;
    Environment environment() const;
    bool runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                 double height, double seconds, DistilledJob* result);
    bool startServer(Server& server, const std::string& setup, double seconds,
                     DistilledJob* result);
    bool launch(Server& server, const std::string& setup, std::string* error);
    bool awaitReady(Server& server, double seconds, DistilledJob* result);
    void prepareSuccessor(Server& server);
    Server* replace(Server* server);
    void reapLeaving();
    void awaitJobsOf(Server& server);
    void retire(Server& server);
    static void end(Server& server);
    KeptProcess::Reply readEvent(Server& server, double seconds);
    void lose(Server& server, Job* waited, KeptProcess::Reply why);
    void takeEnd(Job& job);
    void awaitEnd(Job& job);
    void awaitClosed(Job& job);

    std::string program_;
    bool keep_;
    std::string path_;   // the program found
    std::string work_;   // private work folder
    std::string temporaryParent_; // where to make memory_
    std::string memory_; // private folder in memory for Ghostscript's own files
    std::vector<std::unique_ptr<Server>> servers_;
    std::vector<std::unique_ptr<Server>> leaving_; // told to quit, not yet waited for
    std::deque<Job> jobs_; // started, oldest first
    std::set<std::string> readable_; // files Ghostscript may read
    int jobsPerProcess_ = 0;
    unsigned long serial_ = 0; // names the jobs' files
};

} // namespace plxhost

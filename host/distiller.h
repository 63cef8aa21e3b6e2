// Turns a job's PostScript into PDF with Ghostscript's pdfwrite device.
//
// Ghostscript works only inside a private work folder (it runs with
// -dSAFER and may write nowhere else, its own temporary files included);
// the finished PDF is then copied into the target folder under a
// temporary name and renamed into place. The media size is always given
// explicitly, so the interpreter's default paper never applies, and fonts
// are embedded (/prepress settings). Work folders that runs which died
// left behind are removed when the next distiller prepares its own.
//
// With `keep` set the distiller starts one Ghostscript process and feeds
// it job after job; each job switches pdfwrite to a fresh output file, so
// every job still becomes a PDF document of its own. The jobs' prolog and
// set-up (procedures, the re-encoded font) are the same run after run:
// the process takes them once and keeps them, and each job then brings
// only its pages, inside save and restore so that nothing a job leaves
// in memory stays. A process that dies or stops answering is ended and
// started afresh for the next job.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "host/process.h"

namespace plxhost {

class Distiller {
  public:
    Distiller(std::string program, bool keep);
    ~Distiller();
    Distiller(const Distiller&) = delete;
    Distiller& operator=(const Distiller&) = delete;

    const std::string& program() const { return program_; }
    bool keeps() const { return keep_; }

    // Finds Ghostscript and makes the work folder. False with *error and
    // *code (kXTFileNotFoundErr: no Ghostscript; kXTIOErr otherwise).
    bool prepare(std::string* error, int16_t* code);
    // Distils the PostScript into the PDF file at `pdfPath` (whose first
    // page is width x height points), allowing Ghostscript `seconds`. The
    // file is whole or not there. `durable`: synced before it is renamed
    // into place; otherwise the caller makes it durable later. The bytes
    // from `setupBegin` to `setupEnd` are the prolog and set-up.
    bool distil(const std::string& postscript, size_t setupBegin, size_t setupEnd, double width,
                double height, const std::string& pdfPath, double seconds, bool durable,
                std::string* error);
    // Lets Ghostscript read these files (pages of PDF files that jobs
    // show). Under -dSAFER a process can only be given them as it starts,
    // so a kept process that lacks one is replaced.
    void permitReading(const std::vector<std::string>& files);
    // Replaces the kept process after this many jobs (0: never).
    void setJobsPerProcess(int jobs) { jobsPerProcess_ = jobs; }
    // Whether the last distil() failed because Ghostscript took too long.
    bool timedOut() const { return timedOut_; }
    // Ends the kept process.
    void stop();
    // The kept process, or 0 (for tests).
    long serverPid() const { return server_.id(); }
    // The work folder, once prepared (for tests).
    const std::string& workFolder() const { return work_; }

  private:
    std::vector<std::string> baseArguments(double width, double height) const;
    Environment environment() const;
    bool runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                 double height, double seconds, std::string* error);
    bool startServer(std::string* error);
    bool ask(const std::string& command, double seconds, std::string* error);
    bool runOnServer(const std::string& psPath, const std::string& pdfPath, double width,
                     double height, double seconds, std::string* error);

    std::string program_;
    bool keep_;
    std::string path_;   // the program found
    std::string work_;   // private work folder
    KeptProcess server_; // the kept process
    std::string setup_;  // the prolog and set-up it keeps
    std::set<std::string> readable_; // files Ghostscript may read
    bool timedOut_ = false;
    int jobsPerProcess_ = 0;
    int serverJobs_ = 0; // jobs the kept process has run
};

} // namespace plxhost

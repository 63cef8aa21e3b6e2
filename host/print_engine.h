// The print engine: one call outputs one job of a layout. The job is set
// up (the layout's current page and that page's area), the job-info
// callback (681) lets plug-ins change its page range, output area, style
// and file, then the PostScript stream is written (callbacks 145 and 155
// add to it) and becomes the medium's file: EPS as written, PDF distilled
// by Ghostscript.
//
// A run is what one command of a plug-in outputs (the host's menu command
// returning ends it; so does the engine's end). Files appear only complete
// while the run goes on; endRun() makes them durable before the run counts
// as done. A Ghostscript that hangs ends the run: its job fails with one
// message, and the run's later jobs are refused as cancelled.
//
// With two Ghostscript processes (ghostscriptProcesses), PDF jobs overlap:
// a job is handed to a free process and its call returns at once; its file
// is renamed into place, in the order the jobs came, when a later job needs
// the process or the run ends, and a failure is reported then.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/project.h"
#include "host/work_folder.h"
#include "host/written_files.h"
#include "xt/xtoutput.h"

namespace plxhost {

class Distiller;
class PdfPageConverter;
class PostScriptWriter;
struct PlannedPage;

// Two processes where the machine has two cores or more, else one.
int defaultGhostscriptProcesses();

// Settings tests and the command line give the engine.
struct PrintOptions {
    // Ghostscript: a path, or a name looked up in PATH.
    std::string ghostscript = "gs";
    // Keep one Ghostscript process for a run of PDF jobs instead of
    // starting one per job.
    bool keepGhostscript = true;
    // A kept process is replaced after this many jobs: Ghostscript's
    // memory grows a little with every output file it opens, and this
    // keeps a long run's peak near a short one's.
    int ghostscriptJobsPerProcess = 150;
    // Kept processes that share a run's PDF jobs. With one, a job's file
    // is in place when its call returns, as the print group promises (the
    // macOS run rewrites a PDF's trim box right then). With more, jobs
    // overlap and a file comes later; only for callers that read no file
    // before the run ends (the command line's runs of pages).
    int ghostscriptProcesses = 1;
    // Seconds Ghostscript may take for one job before it is stopped, and
    // the seconds added for each megabyte of the job's PostScript, so that
    // huge pages get the time they need while a hang ends the run soon.
    // The environment variable PLEXHOST_GHOSTSCRIPT_SECONDS sets the first
    // (for pages this allowance does not cover).
    double ghostscriptTimeout = 20;
    double ghostscriptSecondsPerMegabyte = 10;
    // Where Ghostscript's own temporary files are made, in a private folder
    // (a memory file system where there is one); empty: in the work folder.
    std::string ghostscriptMemoryFolder = memoryFolder();
    // The print-setup record says the output carries process colours.
    bool processColors = false;
    // The job with this number (counted from 1 over the engine's life) is
    // cancelled as if the user had stopped it; 0 never.
    int cancelAtJob = 0;
};

// The job being set up or written.
struct PrintJob {
    int32_t docRef = -1;
    uint32_t medium = kXTMediumNone;
    int32_t flags = 0;
    int first = 0, last = 0;       // absolute pages
    bool areaSet = false;          // area given by a plug-in
    fixedrect area{};              // print space
    std::string outputFile;
    std::string outputRefused;      // why the last path given was refused
    OutputStyleRef style = nullptr; // style applied during job info
    bool spreads = false;           // the style exports spreads
    bool rangeSet = false;
};

struct Layout;

class PrintEngine {
  public:
    PrintEngine();
    ~PrintEngine();
    PrintEngine(const PrintEngine&) = delete;
    PrintEngine& operator=(const PrintEngine&) = delete;

    PrintOptions& options() { return options_; }

    // Outputs one job (docRef -1: the front layout). Returns 0, a host
    // error code (already reported to the user) or kXTCanceled.
    int32_t outputLayout(int32_t docRef, uint32_t medium, int32_t flags);
    // Jobs started so far.
    int jobCount() const { return jobCount_; }
    // Every file written so far, in order (a file written twice is listed
    // twice), each with the first page of the job that wrote it.
    const WrittenFiles& writtenFiles() const { return written_; }
    // Characters of box texts the font could not draw in the jobs so far
    // (each shown as a box), for one warning per run.
    const std::set<char32_t>& undrawnCharacters() const { return undrawn_; }
    // The last job as it was written (for tests and the command line).
    const PrintJob& lastJob() const { return job_; }
    // Ends the run: finishes the jobs under way, makes its files durable (an error is shown when that
    // fails) and accepts jobs again after a run ended by a hang. False when
    // the files could not be made durable.
    bool endRun();
    // Ends the kept Ghostscript process, if any.
    void stopGhostscript();
    // The kept Ghostscript process, or 0 when none runs.
    long ghostscriptProcess() const;
    // Ghostscript's private work folder, or empty when none was made.
    std::string ghostscriptFolder() const;
    // Ghostscript's private folder in memory for its own temporary files,
    // or empty.
    std::string ghostscriptMemoryFolder() const;

    // Entry points of the print and utility groups.
    int32_t setPageRange(int first, int last);
    int32_t setOutputArea(const fixedrect& area, int32_t value);
    int32_t setOutputFile(const std::string& path);
    int32_t getPrintSetup(XTPrintSetupRec* record, int32_t size) const;
    int32_t psWrite(const char* text, int32_t length);
    // The output-style context applied a style.
    void styleApplied(OutputStyleRef style);

  private:
    int32_t writeJob();
    // The EPS of each page of the plan shown from a PDF file, by page.
    int32_t convertSources(const Layout& layout, const std::vector<PlannedPage>& pages,
                           std::map<int, std::string>* eps);
    int32_t sourceFailed(const PageSource& source, const std::string& file,
                         const std::string& what);
    // Waits for the oldest PDF job under way and puts its file in place or
    // reports its failure; returns the job's result.
    int32_t finishPdfJob();
    void finishPdfJobs();
    void fileWritten(const std::string& file, int page);
    int32_t fail(int16_t code, const std::string& text);
    double ghostscriptSeconds(size_t bytes) const;

    PrintOptions options_;
    PrintJob job_;
    bool settingUp_ = false; // inside the job-info callback
    bool inJob_ = false;     // between set-up and the end of writing
    int jobCount_ = 0;
    WrittenFiles written_;
    // PDF jobs handed to Ghostscript and not yet finished, oldest first.
    struct PdfJob {
        std::string file;
        int page = 0;
        double seconds = 0;
        std::map<int, PageSource> sources; // pages shown from PDF files
    };
    std::deque<PdfJob> pdfJobs_;
    std::vector<std::string> unsynced_; // folders written to in this run
    std::string writableFolder_;        // the folder last found writable in this run
    bool abandoned_ = false;            // the run was ended by a hang
    std::set<char32_t> undrawn_;
    PostScriptWriter* stream_ = nullptr; // the stream being written, if any
    std::unique_ptr<Distiller> distiller_;
    std::unique_ptr<PdfPageConverter> converter_;
};

} // namespace plxhost

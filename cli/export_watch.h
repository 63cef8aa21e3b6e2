// What `export` tells while the plug-in's run writes the pages: each file
// as soon as it is written, each message of the host once, files written
// more than once in the run, and the summary. Ctrl-C ends the run the way
// the progress window's Cancel does, after the page under way, so that
// every file written has been printed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cli/person.h"
#include "host/host.h"

namespace plxcli {

class ExportWatch {
  public:
    // Counts from what the host has done so far; the host's messages from
    // the one numbered `firstMessage` on are told. `absolute`: pages are
    // named by their absolute numbers in reports, else by their labels.
    ExportWatch(plxhost::Host& host, Person& person, bool absolute, size_t firstMessage);
    ~ExportWatch(); // gives Ctrl-C back to the shell
    ExportWatch(const ExportWatch&) = delete;
    ExportWatch& operator=(const ExportWatch&) = delete;

    // Takes in what the host did since the last call: prints new files
    // and new messages, and passes on a Ctrl-C as a cancel of the next job.
    void update();
    // After the run: every path written more than once, and the summary,
    // on standard error.
    void finish();

    bool interrupted() const;
    int filesWritten() const { return static_cast<int>(seen_); }
    // Jobs that ended without their file (the host said why).
    int pagesNotWritten() const;
    // Pages whose file a later page of the run wrote over.
    int pagesLost() const;

  private:
    std::string pageName(int page) const;
    // Positions (in the engine's list) of the run's files whose path was
    // written more than once: each path's in the order written, paths in
    // the order first written.
    std::vector<std::vector<size_t>> pathsWrittenTwice() const;

    plxhost::Host& host_;
    Person& person_;
    bool absolute_;
    int32_t docRef_;
    size_t writtenBefore_, errorsSeen_;
    int jobsBefore_;
    bool cancelAsked_ = false;
    // The run's files are the engine's from writtenBefore_ on; this many
    // of them have been printed. Nothing is copied: a run of ten thousand
    // pages keeps one list of paths.
    size_t seen_ = 0;
    std::map<std::string, int> messages_;            // host message -> times shown
};

} // namespace plxcli

#include "cli/export_watch.h"

#include <csignal>
#include <cstdio>

#include "cli/messages.h"

namespace plxcli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

// The first Ctrl-C asks the run to stop after its page; a second one ends
// the program at once, as the shell's default does.
void onInterrupt(int) {
    gInterrupted = 1;
    std::signal(SIGINT, SIG_DFL);
}

std::string plural(int n, const char* one, const char* many) {
    return n == 1 ? say(one) : say(many, {std::to_string(n)});
}

} // namespace

ExportWatch::ExportWatch(plxhost::Host& host, Person& person, bool absolute,
                         size_t firstMessage)
    : host_(host), person_(person), absolute_(absolute),
      docRef_(host.documents().front() ? host.documents().front()->docRef : -1),
      writtenBefore_(host.printEngine().writtenFiles().size()),
      errorsSeen_(firstMessage), jobsBefore_(host.printEngine().jobCount()) {
    gInterrupted = 0;
    std::signal(SIGINT, onInterrupt);
}

ExportWatch::~ExportWatch() { std::signal(SIGINT, SIG_DFL); }

bool ExportWatch::interrupted() const { return gInterrupted != 0; }

std::string ExportWatch::pageName(int page) const {
    const plxhost::Layout* layout = host_.documents().layout(docRef_);
    if (absolute_ || !layout) return std::to_string(page);
    return plxhost::pageLabel(*layout, page);
}

void ExportWatch::update() {
    plxhost::PrintEngine& engine = host_.printEngine();
    const std::vector<std::string>& written = engine.writtenFiles();
    // Files of PDF jobs may come a few jobs after their own.
    for (size_t i = writtenBefore_ + files_.size(); i < written.size(); ++i) {
        files_.emplace_back(written[i], engine.writtenPages()[i]);
        person_.printLine(stdout, written[i]);
    }
    const std::vector<plxhost::HostError>& errors = host_.errors();
    for (; errorsSeen_ < errors.size(); ++errorsSeen_) {
        // The same message for page after page (no Ghostscript) is told once.
        if (messages_[errors[errorsSeen_].text]++ == 0)
            person_.printLine(stderr, "plexmoor: " + errors[errorsSeen_].text);
    }
    if (gInterrupted && !cancelAsked_) {
        // The next job is stopped as the progress window's Cancel stops it.
        engine.options().cancelAtJob = engine.jobCount() + 1;
        cancelAsked_ = true;
    }
}

int ExportWatch::pagesNotWritten() const {
    int jobs = host_.printEngine().jobCount() - jobsBefore_;
    int cancelled = cancelAsked_ && host_.printEngine().options().cancelAtJob <=
                                        host_.printEngine().jobCount()
                        ? 1
                        : 0;
    int missing = jobs - cancelled - filesWritten();
    return missing > 0 ? missing : 0;
}

int ExportWatch::pagesLost() const {
    std::map<std::string, int> times;
    for (const auto& file : files_) ++times[file.first];
    int lost = 0;
    for (const auto& t : times) lost += t.second - 1;
    return lost;
}

void ExportWatch::finish() {
    update();
    // Every path that was written more than once, in the order first written.
    std::map<std::string, std::vector<int>> pagesOf;
    std::vector<std::string> order;
    for (const auto& file : files_) {
        std::vector<int>& pages = pagesOf[file.first];
        if (pages.empty()) order.push_back(file.first);
        pages.push_back(file.second);
    }
    for (const std::string& path : order) {
        const std::vector<int>& pages = pagesOf[path];
        if (pages.size() < 2) continue;
        std::string list;
        for (int page : pages) list += (list.empty() ? "" : ", ") + pageName(page);
        person_.printLine(stderr,
                          say("plexmoor: %1 was written %2 times (pages %3); only page %4 is in it",
                              {path, std::to_string(pages.size()), list, pageName(pages.back())}));
    }
    std::string summary = "plexmoor: " + plural(filesWritten(), "1 file written", "%1 files written");
    if (pagesLost() > 0)
        summary += "; " + plural(pagesLost(), "1 page lost: a later page was written over it",
                                 "%1 pages lost: later pages were written over them");
    if (pagesNotWritten() > 0)
        summary += "; " + plural(pagesNotWritten(), "1 page not written", "%1 pages not written");
    if (interrupted()) summary += "; " + say("stopped by Ctrl-C");
    person_.printLine(stderr, summary);
}

} // namespace plxcli

#include "cli/export_watch.h"

#include <algorithm>
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
    const plxhost::WrittenFiles& written = engine.writtenFiles();
    for (size_t i = writtenBefore_ + seen_; i < written.size(); ++i, ++seen_)
        person_.printLine(stdout, written.path(i));
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

std::vector<std::vector<size_t>> ExportWatch::pathsWrittenTwice() const {
    const plxhost::WrittenFiles& written = host_.printEngine().writtenFiles();
    // Positions sorted by path, each path's in the order written: only
    // positions and the paths' one buffer, however many pages the run had.
    std::vector<size_t> order(seen_);
    for (size_t i = 0; i < seen_; ++i) order[i] = writtenBefore_ + i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (written.pathBefore(a, b)) return true;
        if (written.pathBefore(b, a)) return false;
        return a < b;
    });
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < order.size();) {
        size_t end = i + 1;
        while (end < order.size() && written.samePath(order[end], order[i])) ++end;
        if (end - i >= 2) groups.emplace_back(order.begin() + static_cast<std::ptrdiff_t>(i),
                                              order.begin() + static_cast<std::ptrdiff_t>(end));
        i = end;
    }
    // In the order each path was first written.
    std::sort(groups.begin(), groups.end(),
              [](const std::vector<size_t>& a, const std::vector<size_t>& b) {
                  return a.front() < b.front();
              });
    return groups;
}

int ExportWatch::pagesLost() const {
    int lost = 0;
    for (const std::vector<size_t>& group : pathsWrittenTwice())
        lost += static_cast<int>(group.size()) - 1;
    return lost;
}

void ExportWatch::finish() {
    update();
    // Every path that was written more than once, in the order first written.
    const plxhost::WrittenFiles& written = host_.printEngine().writtenFiles();
    std::vector<std::vector<size_t>> twice = pathsWrittenTwice();
    int lost = 0;
    for (const std::vector<size_t>& group : twice) {
        std::string list;
        for (size_t k : group) list += (list.empty() ? "" : ", ") + pageName(written.page(k));
        person_.printLine(
            stderr, say("plexmoor: %1 was written %2 times (pages %3); only page %4 is in it",
                        {written.path(group.front()), std::to_string(group.size()), list,
                         pageName(written.page(group.back()))}));
        lost += static_cast<int>(group.size()) - 1;
    }
    std::string summary = "plexmoor: " + plural(filesWritten(), "1 file written", "%1 files written");
    if (lost > 0)
        summary += "; " + plural(lost, "1 page lost: a later page was written over it",
                                 "%1 pages lost: later pages were written over them");
    if (pagesNotWritten() > 0)
        summary += "; " + plural(pagesNotWritten(), "1 page not written", "%1 pages not written");
    if (interrupted()) summary += "; " + say("stopped by Ctrl-C");
    person_.printLine(stderr, summary);
}

} // namespace plxcli

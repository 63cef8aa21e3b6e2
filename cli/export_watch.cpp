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
    const std::vector<std::string>& written = engine.writtenFiles();
    for (size_t i = writtenBefore_ + seen_; i < written.size(); ++i, ++seen_)
        person_.printLine(stdout, written[i]);
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

std::vector<size_t> ExportWatch::filesByPath() const {
    const std::vector<std::string>& written = host_.printEngine().writtenFiles();
    std::vector<size_t> order(seen_);
    for (size_t i = 0; i < seen_; ++i) order[i] = writtenBefore_ + i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return written[a] < written[b]; });
    // Groups of one path, ordered by where each group begins.
    std::vector<std::pair<size_t, size_t>> groups; // first position, start in order
    for (size_t i = 0; i < order.size(); ++i)
        if (i == 0 || written[order[i]] != written[order[i - 1]]) groups.emplace_back(order[i], i);
    std::sort(groups.begin(), groups.end());
    std::vector<size_t> out;
    out.reserve(order.size());
    for (const auto& group : groups)
        for (size_t i = group.second;
             i < order.size() && written[order[i]] == written[order[group.second]]; ++i)
            out.push_back(order[i]);
    return out;
}

int ExportWatch::pagesLost() const {
    const std::vector<std::string>& written = host_.printEngine().writtenFiles();
    std::vector<size_t> byPath = filesByPath();
    int lost = 0;
    for (size_t i = 1; i < byPath.size(); ++i)
        if (written[byPath[i]] == written[byPath[i - 1]]) ++lost;
    return lost;
}

void ExportWatch::finish() {
    update();
    // Every path that was written more than once, in the order first written.
    const std::vector<std::string>& written = host_.printEngine().writtenFiles();
    const std::vector<int>& pages = host_.printEngine().writtenPages();
    std::vector<size_t> byPath = filesByPath();
    for (size_t i = 0; i < byPath.size();) {
        size_t end = i + 1;
        while (end < byPath.size() && written[byPath[end]] == written[byPath[i]]) ++end;
        if (end - i >= 2) {
            std::string list;
            for (size_t k = i; k < end; ++k)
                list += (list.empty() ? "" : ", ") + pageName(pages[byPath[k]]);
            person_.printLine(
                stderr, say("plexmoor: %1 was written %2 times (pages %3); only page %4 is in it",
                            {written[byPath[i]], std::to_string(end - i), list,
                             pageName(pages[byPath[end - 1]])}));
        }
        i = end;
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

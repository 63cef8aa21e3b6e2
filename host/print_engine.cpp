#include "host/print_engine.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "host/distiller.h"
#include "host/file_open.h"
#include "host/host.h"
#include "host/job_plan.h"
#include "host/output_styles.h"
#include "host/pdf_page_eps.h"
#include "host/pdf_page_program.h"
#include "host/postscript_writer.h"
#include "host/safe_file.h"
#include "xt/xtcallbacks.h"

namespace plxhost {

namespace {

Host& host() { return *Host::current(); }

// A day: more than any page needs, and a bound on what a setting asks.
constexpr double kMaxGhostscriptSeconds = 86400;

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds);
    return text;
}

} // namespace

int defaultGhostscriptProcesses() { return std::thread::hardware_concurrency() >= 2 ? 2 : 1; }

PrintEngine::PrintEngine() {
    if (const char* text = std::getenv("PLEXHOST_GHOSTSCRIPT_SECONDS")) {
        char* end = nullptr;
        double seconds = std::strtod(text, &end);
        if (end != text && *end == '\0' && seconds >= 1 && seconds <= kMaxGhostscriptSeconds)
            options_.ghostscriptTimeout = seconds;
    }
}

PrintEngine::~PrintEngine() {
    // Jobs still under way become files all the same; the host that would
    // show a failure is going.
    while (distiller_ && !pdfJobs_.empty()) {
        DistilledJob done = distiller_->finish();
        if (done.ok) fileWritten(pdfJobs_.front().file, pdfJobs_.front().page);
        pdfJobs_.pop_front();
    }
    stopGhostscript();
    std::string error;
    if (!unsynced_.empty()) syncFolders(unsynced_, &error);
}

bool PrintEngine::endRun() {
    finishPdfJobs();
    abandoned_ = false;
    writableFolder_.clear();
    if (unsynced_.empty()) return true;
    std::string error;
    bool synced = syncFolders(unsynced_, &error);
    unsynced_.clear();
    if (!synced)
        fail(kXTIOErr, "The files just written may not have reached the disk (" + error + ").");
    return synced;
}

double PrintEngine::ghostscriptSeconds(size_t bytes) const {
    double seconds = options_.ghostscriptTimeout +
                     options_.ghostscriptSecondsPerMegabyte * static_cast<double>(bytes) / 1e6;
    return std::min(std::max(seconds, 0.001), kMaxGhostscriptSeconds);
}

void PrintEngine::stopGhostscript() {
    finishPdfJobs();
    distiller_.reset();
    converter_.reset();
}

long PrintEngine::ghostscriptProcess() const { return distiller_ ? distiller_->serverPid() : 0; }

std::string PrintEngine::ghostscriptFolder() const {
    return distiller_ ? distiller_->workFolder() : std::string();
}

std::string PrintEngine::ghostscriptMemoryFolder() const {
    return distiller_ ? distiller_->temporaryFolderInMemory() : std::string();
}

int32_t PrintEngine::fail(int16_t code, const std::string& text) {
    host().reportError(code, text);
    return code;
}

int32_t PrintEngine::outputLayout(int32_t docRef, uint32_t medium, int32_t flags) {
    if (inJob_) return fail(kXTParamErr, "A job cannot be output while another is being output.");
    // The message about the hang said that the rest of the run is not
    // output; saying it again for every page would only repeat it.
    if (abandoned_) return kXTCanceled;
    Documents& docs = host().documents();
    Layout* layout = docRef == -1 ? docs.front() : docs.layout(docRef);
    if (!layout) return fail(kXTParamErr, "There is no layout to output.");
    if (medium != kXTMediumEPS && medium != kXTMediumPDF)
        return fail(kXTParamErr, "Layouts are output as EPS or PDF only.");

    job_ = PrintJob{};
    job_.docRef = layout->docRef;
    job_.medium = medium;
    job_.flags = flags;
    job_.first = job_.last = layout->currentPage;
    ++jobCount_;
    inJob_ = true;
    settingUp_ = true;
    XTPrintJobInfoRec info{};
    info.docRef = job_.docRef;
    info.medium = medium;
    info.flags = flags;
    host().sendCallback(kXTCBJobInfo, &info);
    settingUp_ = false;

    int32_t result = 0;
    if (options_.cancelAtJob == jobCount_) result = kXTCanceled;
    else result = writeJob();
    inJob_ = false;
    return result;
}

int32_t PrintEngine::setPageRange(int first, int last) {
    if (!settingUp_) return kXTParamErr;
    Layout* layout = host().documents().layout(job_.docRef);
    if (!layout || first < 1 || last < first || last > layout->numPages) return kXTParamErr;
    job_.first = first;
    job_.last = last;
    job_.rangeSet = true;
    return 0;
}

int32_t PrintEngine::setOutputArea(const fixedrect& area, int32_t value) {
    if (!settingUp_ || value != 1) return kXTParamErr;
    if (area.right <= area.left || area.bottom <= area.top) return kXTParamErr;
    job_.area = area;
    job_.areaSet = true;
    return 0;
}

int32_t PrintEngine::setOutputFile(const std::string& path) {
    if (!settingUp_ || path.empty() || path.find('\0') != std::string::npos) return kXTParamErr;
    // A path the system cannot open is refused now, and the job says why
    // when it is written, rather than failing later over a file it could
    // never have made.
    std::string problem = pathLengthProblem(path);
    if (!problem.empty()) {
        job_.outputFile.clear();
        job_.outputRefused = "its output path is too long (" + problem + ")";
        return kXTParamErr;
    }
    job_.outputFile = path;
    job_.outputRefused.clear();
    return 0;
}

int32_t PrintEngine::getPrintSetup(XTPrintSetupRec* record, int32_t size) const {
    if (!inJob_ || !record || size < 0 || size > static_cast<int32_t>(sizeof(XTPrintSetupRec)))
        return kXTParamErr;
    std::memset(record, 0, static_cast<size_t>(size));
    if (size > 0 && options_.processColors) record->flags = kXTPrintFlagProcessColors;
    return 0;
}

int32_t PrintEngine::psWrite(const char* text, int32_t length) {
    if (!stream_ || !text || length < 0) return kXTParamErr;
    stream_->raw(text, static_cast<size_t>(length));
    return 0;
}

void PrintEngine::styleApplied(OutputStyleRef style) {
    if (!settingUp_) return;
    job_.style = style;
    if (style->medium == kXTMediumEPS || style->medium == kXTMediumPDF) job_.medium = style->medium;
    job_.spreads = host().styles().spreads(style);
}

int32_t PrintEngine::writeJob() {
    Layout* layout = host().documents().layout(job_.docRef);
    if (!layout) return fail(kXTParamErr, "The layout was closed before it could be output.");
    if (job_.outputFile.empty())
        return fail(kXTParamErr,
                    "The layout \"" + layout->name + "\" was not output: " +
                        (job_.outputRefused.empty() ? "no output file was given for it"
                                                    : job_.outputRefused) +
                        ".");
    if (job_.spreads && !job_.rangeSet) {
        // A style that exports spreads widens the default page to its spread.
        int spread = 0;
        if (spreadOfPage(*layout, job_.first, &spread, nullptr)) {
            PageSpan pages = layout->spreads[static_cast<size_t>(spread - 1)];
            job_.first = pages.front();
            job_.last = pages.back();
        }
    }
    std::vector<PlannedPage> pages;
    std::string error;
    if (!planJob(*layout, job_, &pages, &error)) return fail(kXTParamErr, error);
    bool eps = job_.medium == kXTMediumEPS;
    if (eps && pages.size() > 1)
        return fail(kXTParamErr, "An EPS file holds one page, but the pages " +
                                     std::to_string(job_.first) + " to " +
                                     std::to_string(job_.last) + " lie on " +
                                     std::to_string(pages.size()) + " spreads.");
    // A folder found writable is not asked again within the run (a page
    // after page export asks for the same one): making the file still
    // reports what changed since.
    std::string folder = folderOf(job_.outputFile);
    if (folder != writableFolder_) {
        if (int code = writeAccess(folder))
            return fail(kXTIOErr, "The file " + job_.outputFile + " could not be written: " +
                                      std::strerror(code) + ".");
        writableFolder_ = folder;
    }
    if (!eps) {
        int processes = std::max(options_.ghostscriptProcesses, 1);
        if (distiller_ && (distiller_->program() != options_.ghostscript ||
                           distiller_->keeps() != options_.keepGhostscript ||
                           (distiller_->keeps() && distiller_->processes() != processes))) {
            finishPdfJobs();
            distiller_.reset();
        }
        if (!distiller_)
            distiller_ = std::make_unique<Distiller>(options_.ghostscript,
                                                     options_.keepGhostscript, processes);
        distiller_->setJobsPerProcess(options_.ghostscriptJobsPerProcess);
        distiller_->setTemporaryParent(options_.ghostscriptMemoryFolder);
        int16_t code = kXTIOErr;
        if (!distiller_->prepare(&error, &code)) return fail(code, error);
        std::vector<std::string> sources;
        for (const PlannedPage& p : pages)
            for (int page : p.pages)
                if (const PageSource* source = pageSourceOf(*layout, page))
                    sources.push_back(source->file);
        distiller_->permitReading(sources);
    }
    std::map<int, std::string> sourceEps;
    if (eps) {
        // Files appear in the order of their jobs.
        finishPdfJobs();
        int32_t converted = convertSources(*layout, pages, &sourceEps);
        if (converted != 0) return converted;
    }

    PostScriptWriter writer(eps, *layout, pages);
    writer.setSourceEps(&sourceEps);
    stream_ = &writer;
    Project* project = host().documents().projectOfLayout(layout->docRef);
    writer.header((project ? project->name + ": " : std::string()) + layout->name + ", page " +
                  pageLabel(*layout, job_.first));
    XTPSCommentsRec comments{};
    comments.selector = 1;
    host().sendCallback(kXTCBPSComments, &comments);
    writer.endHeader();
    for (size_t i = 0; i < pages.size(); ++i) {
        writer.beginPage(i);
        XTPSPageRec page{};
        page.page = static_cast<int16_t>(pages[i].pages.front());
        host().sendCallback(kXTCBPSPage, &page);
        writer.content(i);
        writer.endPage();
    }
    writer.trailer();
    stream_ = nullptr;
    undrawn_.insert(writer.undrawn().begin(), writer.undrawn().end());

    if (!eps) {
        // A free process first: waiting for one finishes an earlier job,
        // which may have ended the run.
        while (!distiller_->hasRoom()) finishPdfJob();
        if (abandoned_) return kXTCanceled;
        PdfJob job;
        job.file = job_.outputFile;
        job.page = job_.first;
        job.seconds = ghostscriptSeconds(writer.text().size());
        for (const PlannedPage& p : pages)
            for (int page : p.pages)
                if (const PageSource* source = pageSourceOf(*layout, page))
                    job.sources[page] = *source;
        const fixedrect& area = pages.front().area;
        distiller_->start(writer.text(), writer.setupBegin(), writer.setupEnd(), areaWidth(area),
                          areaHeight(area), job.file, job.seconds);
        pdfJobs_.push_back(std::move(job));
        // Overlapping jobs report later; a single process, or a job that
        // could not even be handed out (the process did not start or took
        // too long over its set-up), at once.
        if (distiller_->keeps() && distiller_->processes() > 1 && distiller_->newestUnderWay())
            return 0;
        int32_t result = 0;
        while (!pdfJobs_.empty()) result = finishPdfJob();
        if (!options_.keepGhostscript) distiller_.reset();
        return result;
    }
    PendingFile file;
    bool written = file.open(job_.outputFile, &error) &&
                   file.write(writer.text().data(), writer.text().size()) &&
                   file.commit(&error, Sync::kLater);
    if (!written) {
        if (error.empty()) error = job_.outputFile + ": the file could not be written";
        return fail(kXTIOErr, "The file " + job_.outputFile + " could not be written (" + error + ").");
    }
    fileWritten(job_.outputFile, job_.first);
    return 0;
}

void PrintEngine::fileWritten(const std::string& file, int page) {
    std::string folder = folderOf(file);
    if (std::find(unsynced_.begin(), unsynced_.end(), folder) == unsynced_.end())
        unsynced_.push_back(folder);
    written_.add(file, page);
}

void PrintEngine::finishPdfJobs() {
    while (!pdfJobs_.empty()) finishPdfJob();
}

int32_t PrintEngine::finishPdfJob() {
    if (pdfJobs_.empty() || !distiller_) return 0;
    DistilledJob done = distiller_->finish();
    PdfJob job = std::move(pdfJobs_.front());
    pdfJobs_.pop_front();
    if (done.ok) {
        fileWritten(job.file, job.page);
        return 0;
    }
    if (done.timedOut) {
        // The one message says that the rest of the run is not output.
        if (abandoned_) return kXTCanceled;
        abandoned_ = true;
        return fail(kXTIOErr, "Ghostscript did not finish the file " + job.file + " within " +
                                  secondsText(job.seconds) +
                                  " seconds and was stopped. The remaining pages of this "
                                  "export are not output. A page that needs more time can "
                                  "have it through PLEXHOST_GHOSTSCRIPT_SECONDS.");
    }
    int failed = 0;
    std::string errorName;
    if (findSourceFailure(done.error, &failed, &errorName) && job.sources.count(failed))
        return sourceFailed(job.sources[failed], job.file,
                            sourceFailureText(errorName) + " (Ghostscript: " + errorName + ")");
    return fail(kXTIOErr, "The file " + job.file + " could not be written (" + done.error + ").");
}

int32_t PrintEngine::convertSources(const Layout& layout, const std::vector<PlannedPage>& pages,
                                    std::map<int, std::string>* eps) {
    for (const PlannedPage& p : pages)
        for (int page : p.pages) {
            const PageSource* source = pageSourceOf(layout, page);
            if (!source) continue;
            if (converter_ && converter_->program() != options_.ghostscript) converter_.reset();
            if (!converter_) converter_ = std::make_unique<PdfPageConverter>(options_.ghostscript);
            std::string error;
            int16_t code = kXTIOErr;
            if (!converter_->prepare(&error, &code)) return fail(code, error);
            bool pageFailed = false;
            if (converter_->convert(*source, shownWidth(*source), shownHeight(*source),
                                    options_.ghostscriptTimeout, &(*eps)[page], &pageFailed,
                                    &error))
                continue;
            if (pageFailed) return sourceFailed(*source, job_.outputFile, error);
            return fail(kXTIOErr, "The file " + job_.outputFile + " could not be written (page " +
                                      std::to_string(source->page) + " of " + source->file +
                                      ": " + error + ").");
        }
    return 0;
}

// The page is named as the PDF numbers it, so that it can be found there.
int32_t PrintEngine::sourceFailed(const PageSource& source, const std::string& file,
                                  const std::string& what) {
    return fail(kXTIOErr, source.file + ", page " + std::to_string(source.page) + ": " + what +
                              ". The file " + file + " was not written.");
}

} // namespace plxhost

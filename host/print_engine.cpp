#include "host/print_engine.h"

#include <climits>
#include <cstring>

#include "host/distiller.h"
#include "host/host.h"
#include "host/output_styles.h"
#include "host/postscript_writer.h"
#include "xt/xtcallbacks.h"

namespace plxhost {

namespace {

Host& host() { return *Host::current(); }

// Longest output path the host accepts, in bytes.
constexpr size_t kMaxOutputPath = PATH_MAX - 1;

} // namespace

PrintEngine::PrintEngine() = default;

PrintEngine::~PrintEngine() { stopGhostscript(); }

void PrintEngine::stopGhostscript() { distiller_.reset(); }

int32_t PrintEngine::fail(int16_t code, const std::string& text) {
    host().reportError(code, text);
    return code;
}

int32_t PrintEngine::outputLayout(int32_t docRef, uint32_t medium, int32_t flags) {
    if (inJob_) return fail(kXTParamErr, "A job cannot be output while another is being output.");
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
    if (!settingUp_ || path.empty() || path.size() > kMaxOutputPath ||
        path.find('\0') != std::string::npos)
        return kXTParamErr;
    job_.outputFile = path;
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
    return fail(kXTIOErr, "The print engine cannot write files yet.");
}

} // namespace plxhost

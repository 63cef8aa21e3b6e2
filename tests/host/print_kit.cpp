#include "tests/host/print_kit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "host/host_objects.h"
#include "tests/common/process.h"
#include "xt/xtcallbacks.h"
#include "xt/xtfile.h"

namespace plxtest {

namespace {

TestJob gJob;
SeenCalls gSeen;
PrintKit* gKit = nullptr;

void send(const std::string& text) {
    gKit->utility->psWrite(text.data(), static_cast<int32_t>(text.size()));
}

bool selectedBoxBounds(fixedrect* bounds) {
    boxid b = gKit->box->getCurBox();
    return b && gKit->box->getBoxBounds(b, bounds) == 0;
}

int32_t onJobInfo(void*) {
    ++gSeen.jobInfo;
    gSeen.writeDuringJobInfo = gKit->utility->psWrite("x", 1);
    if (gJob.first > 0) gKit->print->setJobPageRange(0, 0, static_cast<int16_t>(gJob.first),
                                                     static_cast<int16_t>(gJob.last));
    fixedrect bounds;
    if (gJob.areaFromBox && selectedBoxBounds(&bounds)) {
        XTShapeRef shape = nullptr;
        if (gKit->shape->shapeFromRect(&bounds, &shape) == 0) {
            gKit->print->setJobOutputArea(shape, 1);
            gKit->shape->disposeShape(shape);
        }
    }
    if (!gJob.styleName.empty()) {
        XTOutputStyleContextRef context = nullptr;
        gKit->styles->getCurrentContext(&context);
        QXStringRef name = plxhost::newHostStringUtf8(gJob.styleName);
        OutputStyleRef style = nullptr;
        if (gKit->styles->findStyleByName(context, name, &style) == 0)
            gKit->styles->applyStyle(context, style);
        plxhost::releaseHostString(name);
    }
    if (!gJob.outputFile.empty()) {
        XFileInfoRef file = plxhost::newFileInfo(gJob.outputFile);
        gKit->print->setJobOutputFile(file);
        plxhost::disposeFileInfo(file);
    }
    return 0;
}

int32_t onComments(void* record) {
    ++gSeen.comments;
    gSeen.selectors.push_back(static_cast<XTPSCommentsRec*>(record)->selector);
    unsigned char bytes[2 * sizeof(XTPrintSetupRec)];
    std::memset(bytes, 0xAB, sizeof bytes);
    gSeen.setupResult =
        gKit->print->getPrintSetup(reinterpret_cast<XTPrintSetupRec*>(bytes), gJob.setupSize);
    gSeen.setupFlags = bytes[0];
    size_t asked = gJob.setupSize > 0 ? static_cast<size_t>(gJob.setupSize) : 0;
    for (size_t i = asked; i < sizeof bytes; ++i) gSeen.setupOverrun |= bytes[i] != 0xAB;
    send(gJob.commentText);
    return 0;
}

int32_t onPage(void* record) {
    ++gSeen.pages;
    gSeen.pageNumbers.push_back(static_cast<XTPSPageRec*>(record)->page);
    fixedrect b;
    char text[1024];
    if (gJob.cropBoxToBox && selectedBoxBounds(&b)) {
        std::snprintf(text, sizeof text,
                      "10 dict begin\n"
                      "\t/m matrix currentmatrix matrix defaultmatrix matrix invertmatrix matrix "
                      "concatmatrix def\n"
                      "\t%.3f %.3f m transform /y1 exch def /x1 exch def\n"
                      "\t%.3f %.3f m transform /y2 exch def /x2 exch def\n"
                      "\t/pdfmark where {pop [{ThisPage} <</CropBox [x1 y1 x2 y2]>> /PUT pdfmark} "
                      "if\nend\n",
                      b.left / 65536.0, b.bottom / 65536.0, b.right / 65536.0, b.top / 65536.0);
        send(text);
    }
    if (gJob.pageFrame) {
        // The job's pages as the plug-in computes them: page rectangle into
        // spread coordinates, offset by one point, widened to the range.
        Fixed w = 0, h = 0;
        gKit->measure->getPageWidth(-1, &w);
        gKit->measure->getPageHeight(-1, &h);
        fixedrect r{0, 0, h, w};
        gKit->fixedRect->offsetRect(&r, kFixedOne, kFixedOne);
        int pages = gJob.first > 0 ? gJob.last - gJob.first + 1 : 1;
        r.right += (pages - 1) * w;
        double left = r.left / 65536.0, top = r.top / 65536.0;
        double right = r.right / 65536.0, bottom = r.bottom / 65536.0;
        std::snprintf(text, sizeof text,
                      "\tgsave 0 setgray %f setlinewidth %.3f %.3f %.3f %.3f rectstroke grestore\n",
                      0.25, left - 0.125, top - 0.125, right + 0.125 - (left - 0.125),
                      bottom + 0.125 - (top - 0.125));
        send(text);
    }
    send(gJob.pageText);
    return 0;
}

template <typename T>
void bind(plxhost::Host& host, uint32_t id, const T** out) {
    const void* handle = nullptr;
    ASSERT_EQ(host.setupRecord()->bindFuncGroup(id, &handle, 0, 0), 0);
    *out = static_cast<const T*>(handle);
}

} // namespace

TestJob& testJob() { return gJob; }
SeenCalls& seen() { return gSeen; }

PrintKit::PrintKit(plxhost::Host& host) {
    bind(host, kXTGroupPrint, &print);
    bind(host, kXTGroupUtility, &utility);
    bind(host, kXTGroupShape, &shape);
    bind(host, kXTGroupBox, &box);
    bind(host, kXTGroupOutputStyle, &styles);
    bind(host, kXTGroupXas, &xas);
    bind(host, kXTGroupXMLNode, &xml);
    bind(host, kXTGroupDocMeasure, &measure);
    bind(host, kXTGroupFixedRect, &fixedRect);
    bind(host, kXTGroupSpread, &spread);
    XTSetupRec* setup = host.setupRecord();
    setup->registerCallback(kXTCBJobInfo, onJobInfo, 5, 200, 0);
    setup->registerCallback(kXTCBPSComments, onComments, 5, 200, 0);
    setup->registerCallback(kXTCBPSPage, onPage, 5, 200, 0);
    gKit = this;
    gJob = TestJob{};
    gSeen = SeenCalls{};
}

PrintHost::PrintHost(plxhost::HostOptions options)
    : base_(std::move(options), false), kit_(base_.host()) {}

int32_t PrintHost::output(uint32_t medium, int32_t flags) {
    gSeen = SeenCalls{};
    return host().printEngine().outputLayout(-1, medium, flags);
}

RunResult run(const std::string& command) {
    RunResult r;
    r.output = runCommand(command, &r.status);
    return r;
}

std::vector<double> numbersAfter(const std::string& text, const std::string& prefix) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        size_t at = line.find(prefix);
        if (at == std::string::npos) continue;
        std::istringstream rest(line.substr(at + prefix.size()));
        std::vector<double> values;
        std::string word;
        while (rest >> word) {
            char* end = nullptr;
            double v = std::strtod(word.c_str(), &end);
            if (end != word.c_str()) values.push_back(v);
        }
        return values;
    }
    return {};
}

std::vector<std::string> hiddenFiles(const std::string& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::u8path(folder), ec)) {
        std::string name = e.path().filename().u8string();
        if (name.size() > 2 && name[0] == '.') out.push_back(name);
    }
    return out;
}

} // namespace plxtest

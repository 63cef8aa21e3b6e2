// Reading a PDF's pages, labels and page layout with qpdf.
// qpdf's own smart pointers are not used here; the modern interface only.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/pdf_document.h"

namespace plxhost {

namespace {

// A page of a layout is addressed by a 16-bit page number in the plug-in's
// records.
constexpr int kMaxPdfPages = 32767;
// The largest page side the host draws (the project format allows this).
constexpr double kMaxSide = 16000;

std::string absolutePath(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    return path;
}

std::string fileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string withoutExtension(const std::string& name) {
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// A PDF's end-of-file marker lies in its last kilobyte; a file cut short
// lacks it, and qpdf would quietly rebuild what is left of it.
bool endsWithEofMarker(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char tail[1024];
    size_t n = 0;
    if (std::fseek(f, -static_cast<long>(sizeof tail), SEEK_END) != 0) std::fseek(f, 0, SEEK_SET);
    n = std::fread(tail, 1, sizeof tail, f);
    std::fclose(f);
    for (size_t i = 0; i + 5 <= n; ++i)
        if (std::memcmp(tail + i, "%%EOF", 5) == 0) return true;
    return false;
}

char labelFormat(QPDFObjectHandle style) {
    if (!style.isName()) return ' ';
    std::string s = style.getName();
    if (s == "/D") return '1';
    if (s == "/R") return 'I';
    if (s == "/r") return 'i';
    if (s == "/A") return 'A';
    if (s == "/a") return 'a';
    return ' ';
}

std::vector<Section> readSections(QPDF& pdf, int numPages) {
    std::vector<Section> sections;
    QPDFPageLabelDocumentHelper labels(pdf);
    if (!labels.hasPageLabels()) return sections;
    std::vector<QPDFObjectHandle> entries;
    labels.getLabelsForPageRange(0, numPages - 1, 0, entries);
    for (size_t i = 0; i + 1 < entries.size(); i += 2) {
        if (!entries[i].isInteger() || !entries[i + 1].isDictionary()) continue;
        long long index = entries[i].getIntValue();
        if (index < 0 || index >= numPages) continue;
        QPDFObjectHandle dict = entries[i + 1];
        Section s;
        s.firstPage = static_cast<int>(index) + 1;
        s.format = labelFormat(dict.getKey("/S"));
        QPDFObjectHandle prefix = dict.getKey("/P");
        if (prefix.isString()) s.prefix = prefix.getUTF8Value();
        // A label of neither style nor prefix would be empty, which names
        // no file; such pages (also those before the first labelled range,
        // which qpdf reports so) are numbered in decimal.
        if (s.format == ' ' && s.prefix.empty()) s.format = '1';
        QPDFObjectHandle start = dict.getKey("/St");
        if (start.isInteger() && start.getIntValue() >= 1 && start.getIntValue() <= INT_MAX / 2)
            s.start = static_cast<int>(start.getIntValue());
        if (!sections.empty() && sections.back().firstPage == s.firstPage) sections.pop_back();
        sections.push_back(s);
    }
    if (!sections.empty() && sections.front().firstPage != 1)
        sections.insert(sections.begin(), Section{});
    return sections;
}

bool readPage(QPDFPageObjectHelper& page, PageSource* source) {
    QPDFObjectHandle box = page.getCropBox(false, false);
    if (!box.isRectangle()) return false;
    QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
    source->llx = std::min(r.llx, r.urx);
    source->urx = std::max(r.llx, r.urx);
    source->lly = std::min(r.lly, r.ury);
    source->ury = std::max(r.lly, r.ury);
    QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
    long long degrees = rotate.isInteger() ? rotate.getIntValue() % 360 : 0;
    if (degrees < 0) degrees += 360;
    source->rotate = degrees % 90 == 0 ? static_cast<int>(degrees) : 0;
    return true;
}

} // namespace

bool canReadPdfDocuments() { return true; }

std::unique_ptr<Project> readPdfDocument(const std::string& path, std::string* error) {
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe) {
        *error = path + ": the file cannot be read (" + std::strerror(errno) + ").";
        return nullptr;
    }
    char head[1024];
    size_t n = std::fread(head, 1, sizeof head, probe);
    std::fclose(probe);
    bool isPdf = false;
    for (size_t i = 0; i + 5 <= n && !isPdf; ++i) isPdf = std::memcmp(head + i, "%PDF-", 5) == 0;
    if (!isPdf) {
        *error = path + ": is not a PDF file (it does not begin with \"%PDF-\").";
        return nullptr;
    }
    if (!endsWithEofMarker(path)) {
        *error = path + ": the PDF is damaged: it ends before its end-of-file marker "
                        "(the file may be cut short).";
        return nullptr;
    }
    auto project = std::make_unique<Project>();
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.c_str());
        if (pdf.isEncrypted()) {
            *error = path + ": the PDF is encrypted; decrypt it first (qpdf --decrypt).";
            return nullptr;
        }
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        if (pages.empty()) {
            *error = path + ": the PDF has no pages.";
            return nullptr;
        }
        if (pages.size() > static_cast<size_t>(kMaxPdfPages)) {
            *error = path + ": the PDF has " + std::to_string(pages.size()) +
                     " pages; a layout holds at most " + std::to_string(kMaxPdfPages) + ".";
            return nullptr;
        }
        auto layout = std::make_unique<Layout>();
        project->path = absolutePath(path);
        project->name = fileNameOf(path);
        project->fromPdf = true;
        layout->name = withoutExtension(project->name);
        layout->numPages = static_cast<int>(pages.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            PageSource s;
            s.file = project->path;
            s.page = static_cast<int>(i) + 1;
            if (!readPage(pages[i], &s)) {
                *error = path + ": the PDF is damaged: page " + std::to_string(i + 1) +
                         " has no MediaBox.";
                return nullptr;
            }
            double w = s.urx - s.llx, h = s.ury - s.lly;
            if (s.rotate == 90 || s.rotate == 270) std::swap(w, h);
            if (!(w >= 1 && h >= 1 && w <= kMaxSide && h <= kMaxSide)) {
                char size[64];
                std::snprintf(size, sizeof size, "%g x %g", w, h);
                *error = path + ": page " + std::to_string(i + 1) + " is " + size +
                         " pt; pages from 1 to 16000 pt a side can be shown.";
                return nullptr;
            }
            layout->pageSizes.emplace_back(w, h);
            layout->pageSources.push_back(s);
        }
        layout->pageWidth = layout->pageSizes.front().first;
        layout->pageHeight = layout->pageSizes.front().second;
        layout->sections = readSections(pdf, layout->numPages);
        QPDFObjectHandle pageLayout = pdf.getRoot().getKey("/PageLayout");
        std::string name = pageLayout.isName() ? pageLayout.getName().substr(1) : std::string();
        layout->spreads = spreadsForPageLayout(name, layout->numPages);
        project->layouts.push_back(std::move(layout));
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password)
            *error = path + ": the PDF is encrypted with a password; decrypt it first.";
        else
            *error = path + ": the PDF is damaged (" + e.getMessageDetail() + ").";
        return nullptr;
    } catch (const std::exception& e) {
        *error = path + ": the PDF is damaged (" + e.what() + ").";
        return nullptr;
    }
    return project;
}

} // namespace plxhost

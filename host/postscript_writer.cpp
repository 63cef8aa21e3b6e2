#include "host/postscript_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "host/font_encoding.h"
#include "host/host_objects.h"
#include "host/pdf_page_program.h"
#include "host/ps_number.h"

namespace plxhost {

namespace {

// DSC lines are at most 255 bytes; titles stay well inside that.
constexpr size_t kMaxTitle = 200;
constexpr double kFontSize = 10;
constexpr double kLeading = 12;
constexpr double kTextInset = 4;
constexpr size_t kMaxTextLine = 2000;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') lines.emplace_back();
        else if (c != '\r') lines.back() += c;
    }
    return lines;
}

} // namespace

double areaWidth(const fixedrect& area) { return fixedPoints(area.right) - fixedPoints(area.left); }

double areaHeight(const fixedrect& area) {
    return fixedPoints(area.bottom) - fixedPoints(area.top);
}

std::string psBytesLiteral(const std::string& bytes) {
    std::string out = "(";
    for (unsigned char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    return out + ")";
}

std::string dscText(const std::string& utf8, size_t limit) {
    std::string out;
    for (char c : fontText(utf8, nullptr)) {
        if (out.size() >= limit) break;
        out += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return out;
}

PostScriptWriter::PostScriptWriter(bool eps, const Layout& layout,
                                   const std::vector<PlannedPage>& pages)
    : eps_(eps), layout_(layout), pages_(pages) {}

void PostScriptWriter::line(const std::string& s) {
    text_ += s;
    text_ += '\n';
}

void PostScriptWriter::numbers(std::initializer_list<double> values, const char* then) {
    bool first = true;
    for (double v : values) {
        if (!first) text_ += ' ';
        appendFixed(text_, v, 3);
        first = false;
    }
    text_ += then;
}

void PostScriptWriter::format(const char* fmt, ...) {
    char buffer[512];
    va_list args;
    va_start(args, fmt);
    int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    if (n < 0) return;
    text_.append(buffer, std::min(static_cast<size_t>(n), sizeof buffer - 1));
}

bool PostScriptWriter::hasText() const {
    for (const PlannedPage& p : pages_)
        for (int page : p.pages)
            for (const Box* box : boxesOnPage(layout_, page))
                if (!box->text.empty()) return true;
    return false;
}

void PostScriptWriter::header(const std::string& title) {
    line(eps_ ? "%!PS-Adobe-3.0 EPSF-3.0" : "%!PS-Adobe-3.0");
    // Every page of a job has the size of its area; the document's box is
    // that of the first page (an EPS has only one).
    const fixedrect& area = pages_.front().area;
    double w = areaWidth(area), h = areaHeight(area);
    format("%%%%BoundingBox: 0 0 %ld %ld\n", std::lround(std::ceil(w - 1e-6)),
           std::lround(std::ceil(h - 1e-6)));
    format("%%%%HiResBoundingBox: 0 0 %.3f %.3f\n", w, h);
    line("%%Creator: plexhost");
    line("%%Title: " + dscText(title, kMaxTitle));
    char date[64];
    std::time_t now = std::time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) && std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local))
        line(std::string("%%CreationDate: (") + date + ")");
    line("%%DocumentData: Clean7Bit");
    line("%%LanguageLevel: 2");
    format("%%%%Pages: %lu\n", static_cast<unsigned long>(pages_.size()));
    if (hasText()) line("%%DocumentNeededResources: font Helvetica");
}

void PostScriptWriter::endHeader() {
    setupBegin_ = text_.size();
    line("%%EndComments");
    line("%%BeginProlog");
    line("%%BeginResource: procset plexhost-page 1.0 0");
    line("/plxhost 8 dict def plxhost begin");
    // x y w h gray plxfill: a gray rectangle.
    line("/plxfill { setgray rectfill } bind def");
    // x y w h plxframe: a half-point frame inside the rectangle.
    line("/plxframe { 0 setgray 0.5 setlinewidth 4 -2 roll 0.25 add exch 0.25 add exch");
    line("  4 -2 roll 0.5 sub exch 0.5 sub exch rectstroke } bind def");
    // (text) x y plxshow: text upright in print space, whose y runs down.
    line("/plxshow { gsave translate 1 -1 scale 0 0 moveto show grestore } bind def");
    // x y plxat: starts a line of text at x y, upright, for plxmissing.
    line("/plxat { translate 1 -1 scale 0 0 moveto } bind def");
    // plxmissing: a box where a character stands that the font cannot
    // draw, as wide as a capital letter.
    format("/plxmissing { gsave currentpoint translate 0.5 setlinewidth %.2f 0 %.2f %.2f rectstroke"
           " grestore %.2f 0 rmoveto } bind def\n",
           kFontSize * 0.08, kFontSize * 0.56, kFontSize * 0.72, kFontSize * 0.72);
    line("end");
    line("%%EndResource");
    line("%%EndProlog");
    line("%%BeginSetup");
    if (hasText()) {
        line("%%IncludeResource: font Helvetica");
        // Helvetica re-encoded to Windows-1252, the host's 8-bit text.
        line("/Helvetica findfont dup length dict begin { 1 index /FID ne { def } { pop pop }");
        text_ += "  ifelse } forall /Encoding " + winAnsiEncodingProgram() + "def\n";
        // For Ghostscript alone: the font keeps only the glyphs its encoding
        // reaches. pdfwrite copies the font into every file it writes before
        // taking the subset the page uses; a font of a few hundred glyphs
        // instead of the whole one takes about a third less of its time.
        // An EPS file keeps the printer's own font as it is.
        if (!eps_) {
            line("CharStrings type /dicttype eq { /CharStrings 256 dict dup begin");
            line("  Encoding { dup CharStrings exch known { dup CharStrings exch get def } { pop }");
            line("  ifelse } forall end def } if");
        }
        line("currentdict end");
        line("/Helvetica-plxhost exch definefont pop");
    }
    line("%%EndSetup");
    setupEnd_ = text_.size();
}

void PostScriptWriter::beginPage(size_t index) {
    const PlannedPage& p = pages_[index];
    std::string label = pageLabel(layout_, p.pages.front());
    line("%%Page: (" + dscText(label, kMaxTitle) + ") " + std::to_string(index + 1));
    const fixedrect& area = p.area;
    double w = areaWidth(area), h = areaHeight(area);
    if (!eps_)
        format("%%%%PageBoundingBox: 0 0 %ld %ld\n", std::lround(std::ceil(w - 1e-6)),
               std::lround(std::ceil(h - 1e-6)));
    line("%%BeginPageSetup");
    if (!eps_) {
        // The media is the area, whatever paper the interpreter defaults to.
        format("/setpagedevice where { pop << /PageSize [%.3f %.3f] >> setpagedevice } if\n", w,
               h);
    }
    line("/plxpage save def");
    line("%%EndPageSetup");
    text_ += "[1 0 0 -1 ";
    numbers({-fixedPoints(area.left), fixedPoints(area.bottom)}, "] concat\n");
}

void PostScriptWriter::content(size_t index) {
    const PlannedPage& p = pages_[index];
    const fixedrect& area = p.area;
    line("plxhost begin gsave");
    numbers({fixedPoints(area.left), fixedPoints(area.top), areaWidth(area), areaHeight(area)},
            " rectclip\n");
    // The page itself is left unpainted, so that what lies under a placed
    // EPS shows through its empty parts. A page shown from a PDF lies under
    // the page's boxes.
    for (int page : p.pages)
        if (const PageSource* source = pageSourceOf(layout_, page)) drawSource(page, *source);
    for (int page : p.pages)
        for (const Box* box : boxesOnPage(layout_, page)) drawBox(*box);
    line("grestore end");
}

void PostScriptWriter::drawSource(int page, const PageSource& source) {
    // The source page's own default user space, y upwards, its top-left
    // corner on the page's: a page of a PDF layout is the source page; on a
    // drawn layout's page of another size the source keeps its own size and
    // what lies beyond the page is cut off.
    fixedrect r = pagePrintRect(layout_, page);
    format("gsave %.3f %.3f %.3f %.3f rectclip %.3f %.3f translate 1 -1 scale\n",
           fixedPoints(r.left), fixedPoints(r.top), areaWidth(r), areaHeight(r),
           fixedPoints(r.left), fixedPoints(r.top) + shownHeight(source));
    if (!eps_) {
        text_ += pdfPageProgram(source, page);
        line("grestore");
        return;
    }
    const std::string* eps = nullptr;
    if (sourceEps_) {
        auto found = sourceEps_->find(page);
        if (found != sourceEps_->end()) eps = &found->second;
    }
    if (!eps) {
        line("grestore");
        return;
    }
    // Placed as any included EPS: its state, stacks and showpage are its
    // own.
    line("/plxincluded save def /plxdicts countdictstack def /plxops count 1 sub def");
    line("userdict begin /showpage { } def 0 setgray 0 setlinecap 1 setlinewidth 0 setlinejoin");
    line("10 setmiterlimit [ ] 0 setdash newpath false setoverprint false setstrokeadjust");
    format("%%%%BeginDocument: (page %d of %s)\n", source.page,
           dscText(source.file, 160).c_str());
    text_ += *eps;
    if (!eps->empty() && eps->back() != '\n') text_ += '\n';
    line("%%EndDocument");
    line("count plxops sub { pop } repeat countdictstack plxdicts sub { end } repeat");
    line("plxincluded restore grestore");
}

void PostScriptWriter::drawBox(const Box& box) {
    fixedrect r = boxPrintRect(layout_, box);
    double x = fixedPoints(r.left), y = fixedPoints(r.top);
    double w = areaWidth(r), h = areaHeight(r);
    if (box.fill >= 0) numbers({x, y, w, h, box.fill}, " plxfill\n");
    numbers({x, y, w, h}, " plxframe\n");
    if (box.text.empty()) return;
    line("gsave");
    numbers({x, y, w, h}, " rectclip 0 setgray\n/Helvetica-plxhost findfont ");
    appendFixed(text_, kFontSize, 1);
    text_ += " scalefont setfont\n";
    std::vector<std::string> lines = splitLines(box.text);
    for (size_t i = 0; i < lines.size(); ++i) {
        double baseline = y + kTextInset + kFontSize + kLeading * static_cast<double>(i);
        if (baseline > y + h + kLeading) break; // the rest lies outside the box
        // Far more than a box can show; keeps each string literal short.
        size_t cut = std::min(lines[i].size(), kMaxTextLine);
        while (cut < lines[i].size() && (static_cast<unsigned char>(lines[i][cut]) & 0xC0) == 0x80)
            --cut; // not inside a character
        std::string bytes = fontText(lines[i].substr(0, cut), &undrawn_);
        if (bytes.find(kUndrawable) == std::string::npos) {
            text_ += psBytesLiteral(bytes);
            text_ += ' ';
            numbers({x + kTextInset, baseline}, " plxshow\n");
            continue;
        }
        text_ += "gsave ";
        numbers({x + kTextInset, baseline}, " plxat");
        size_t start = 0;
        for (size_t k = 0; k <= bytes.size(); ++k) {
            if (k < bytes.size() && bytes[k] != kUndrawable) continue;
            if (k > start) text_ += " " + psBytesLiteral(bytes.substr(start, k - start)) + " show";
            if (k < bytes.size()) text_ += " plxmissing";
            start = k + 1;
        }
        line(" grestore");
    }
    line("grestore");
}

void PostScriptWriter::endPage() {
    line("plxpage restore");
    line("showpage");
    line("%%PageTrailer");
}

void PostScriptWriter::trailer() {
    line("%%Trailer");
    line("%%EOF");
}

} // namespace plxhost

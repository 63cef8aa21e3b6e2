#include "host/pdf_page_program.h"

#include <cctype>
#include <cstdio>

#include "host/postscript_writer.h"

namespace plxhost {

namespace {

const char* const kMarker = "PLX-SOURCE-";

std::string points(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

// The transformation from the box's own space (its lower-left corner at
// the origin) to the page as shown, for a clockwise rotation of the box.
std::string rotation(int rotate, double w, double h) {
    switch (rotate) {
    case 90: return "0 " + points(w) + " translate -90 rotate\n";
    case 180: return points(w) + " " + points(h) + " translate 180 rotate\n";
    case 270: return points(h) + " 0 translate 90 rotate\n";
    default: return std::string();
    }
}

} // namespace

double shownWidth(const PageSource& source) {
    return source.rotate == 90 || source.rotate == 270 ? source.ury - source.lly
                                                       : source.urx - source.llx;
}

double shownHeight(const PageSource& source) {
    return source.rotate == 90 || source.rotate == 270 ? source.urx - source.llx
                                                       : source.ury - source.lly;
}

std::string sourceFailureMarker(int index) { return kMarker + std::to_string(index); }

std::string pdfPageProgram(const PageSource& source, int index) {
    double w = source.urx - source.llx, h = source.ury - source.lly;
    std::string marker = psBytesLiteral(sourceFailureMarker(index));
    // The interpreter is used through its operators rather than through
    // runpdfbegin and runpdfend: those end with a setpagedevice, which
    // would erase the page drawn so far. Outlines and named destinations
    // of the whole document do not belong to one page's file.
    //
    // The opened document is kept in global VM under its path, so that a
    // kept Ghostscript opens each file once for all the jobs of a run
    // (each job runs inside save and restore, which leave global VM alone).
    std::string file = psBytesLiteral(source.file);
    std::string program = "gsave 4 dict begin\n";
    program += rotation(source.rotate, w, h);
    program += points(-source.llx) + " " + points(-source.lly) + " translate\n";
    program += points(source.llx) + " " + points(source.lly) + " " + points(w) + " " + points(h) +
               " rectclip\n";
    program += "/plxglobal currentglobal def count /plxdepth exch def\n";
    program += "{ true setglobal globaldict /plxpdfs known not { globaldict /plxpdfs 8 dict put } if\n";
    program += "  globaldict /plxpdfs get " + file + " known not {\n";
    program += "    << /QUIET true /NO_PDFMARK_OUTLINES true /NO_PDFMARK_DESTS true >> .PDFInit\n";
    program += "    dup " + file + " (r) file exch .PDFStream\n";
    program += "    globaldict /plxpdfs get " + file + " 3 -1 roll put } if\n";
    program += "  plxglobal setglobal\n";
    program += "  globaldict /plxpdfs get " + file + " get " + std::to_string(source.page - 1) +
               " .PDFDrawPage } stopped\n";
    // A failure leaves operands behind; they go, and the error is raised
    // again under the marker.
    program += "{ plxglobal setglobal count plxdepth sub { pop } repeat"
               " $error /errorname get end grestore " +
               marker + " exch signalerror }\n";
    program += "{ end grestore } ifelse\n";
    return program;
}

bool findSourceFailure(const std::string& message, int* index, std::string* errorName) {
    size_t at = message.find(kMarker);
    if (at == std::string::npos) return false;
    size_t digits = at + std::char_traits<char>::length(kMarker), end = digits;
    while (end < message.size() && std::isdigit(static_cast<unsigned char>(message[end])) &&
           end - digits < 6)
        ++end;
    if (end == digits) return false;
    *index = std::stoi(message.substr(digits, end - digits));
    // "ioerror in PLX-SOURCE-0" (kept process) or "Error: /ioerror in
    // (PLX-SOURCE-0)" (one process a job).
    size_t in = message.rfind(" in ", at);
    size_t start =
        in == std::string::npos || in == 0 ? std::string::npos : message.rfind(' ', in - 1);
    start = start == std::string::npos ? 0 : start + 1;
    errorName->clear();
    if (in != std::string::npos && in > start) *errorName = message.substr(start, in - start);
    if (!errorName->empty() && (*errorName)[0] == '/') errorName->erase(0, 1);
    return true;
}

std::string sourceFailureText(const std::string& errorName) {
    if (errorName == "invalidfileaccess" || errorName == "undefinedfilename")
        return "the file could not be read";
    if (errorName == "ioerror") return "its content could not be read (damaged data)";
    if (errorName == "rangecheck" || errorName == "typecheck" || errorName == "undefined" ||
        errorName == "syntaxerror")
        return "the page is damaged";
    if (errorName == "VMerror") return "Ghostscript ran out of memory";
    return "Ghostscript could not draw it";
}

} // namespace plxhost

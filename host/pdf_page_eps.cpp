#include "host/pdf_page_eps.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/file_open.h"
#include "host/ghostscript_output.h"
#include "host/pdf_page_program.h"
#include "host/postscript_writer.h"
#include "host/process.h"
#include "host/safe_file.h"
#include "host/work_folder.h"
#include "xt/xttypes.h"

namespace plxhost {

namespace {

const char* const kDone = "PLX-DONE";
const char* const kFailed = "PLX-FAILED";
// How long the kept process may take to end after "quit".
constexpr double kQuitSeconds = 2;
// Pages a process draws before it is replaced: Ghostscript's memory grows
// a little with every file it writes.
constexpr int kPagesPerProcess = 250;

// eps2write reads "%d" in an output file name as the page number.
std::string percentsDoubled(const std::string& path) {
    std::string out;
    for (char c : path) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

std::string points(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

} // namespace

PdfPageConverter::PdfPageConverter(std::string program) : program_(std::move(program)) {}

PdfPageConverter::~PdfPageConverter() {
    stop();
    if (!work_.empty()) removeWorkFolder(work_);
}

bool PdfPageConverter::prepare(std::string* error, int16_t* code) {
    if (path_.empty()) path_ = findProgram(program_);
    if (path_.empty()) {
        *code = kXTFileNotFoundErr;
        *error = "Pages of PDF files cannot be written as EPS: Ghostscript (\"" + program_ +
                 "\") was not found. Install Ghostscript and try again.";
        return false;
    }
    if (work_.empty()) {
        std::string parent = temporaryFolder(), why;
        work_ = makeWorkFolder(parent, &why);
        if (work_.empty()) {
            *code = kXTIOErr;
            *error = "Pages of PDF files cannot be written as EPS: no work folder could be made "
                     "in " + parent + " (" + why + ").";
            return false;
        }
    }
    return true;
}

void PdfPageConverter::stop() { server_.stop("quit\n", kQuitSeconds); }

bool PdfPageConverter::start(std::string* error) {
    // Images keep their resolution and fonts go in whole or in part, as in
    // the PDF files the host writes.
    std::vector<std::string> args = {path_,
                                     "-q",
                                     "-dSAFER",
                                     "-dNOPAUSE",
                                     "-dNOPROMPT",
                                     "-sDEVICE=eps2write",
                                     "-dEmbedAllFonts=true",
                                     "-dSubsetFonts=true",
                                     "-dDownsampleColorImages=false",
                                     "-dDownsampleGrayImages=false",
                                     "-dDownsampleMonoImages=false",
                                     "-dAutoRotatePages=/None",
                                     "--permit-file-all=" + work_ + "/",
                                     "-sOutputFile=" + percentsDoubled(work_) + "/page%d.eps"};
    for (const std::string& file : readable_) args.push_back("--permit-file-read=" + file);
    std::string why;
    pages_ = 0;
    if (!server_.start(args, {"TMPDIR=" + work_}, &why)) {
        *error = "Ghostscript (" + path_ + ") could not be started: " + why;
        return false;
    }
    return true;
}

bool PdfPageConverter::convert(const PageSource& source, double width, double height,
                               double seconds, std::string* eps, bool* pageFailed,
                               std::string* error) {
    timedOut_ = false;
    *pageFailed = false;
    if (readable_.insert(source.file).second || pages_ >= kPagesPerProcess) stop();
    if (!server_.running() && !start(error)) return false;
    // With "%d" in its output file, eps2write writes each page into a file
    // of its own, numbered from 1, and closes it (whole) at the page's end.
    // A failed page ends its page too, so the numbers stay in step; what it
    // left on the stacks goes.
    std::string epsPath = work_ + "/page" + std::to_string(++pages_) + ".eps";
    std::string command =
        "<< /PageSize [" + points(width) + " " + points(height) + "] >> setpagedevice\n"
        "userdict /plxvm save put\n{\n" + pdfPageProgram(source, 0) + "} stopped { (" + kFailed +
        " ) print $error /errorname get =only ( in ) print $error /command get =only (\\n) print }"
        " if\nclear cleardictstack userdict /plxvm get restore showpage (" + kDone +
        "\\n) print flush\n";
    std::string reply;
    KeptProcess::Reply got = KeptProcess::Reply::kEnded;
    if (server_.send(command)) got = server_.readUntil(std::string(kDone) + "\n", seconds, &reply);
    if (got != KeptProcess::Reply::kComplete) {
        server_.stop(std::string(), 0);
        timedOut_ = got == KeptProcess::Reply::kTimedOut;
        *error = timedOut_ ? "Ghostscript did not finish in time" : "Ghostscript stopped answering";
        if (!reply.empty()) *error += ": " + ghostscriptSays(reply);
        return false;
    }
    int index = 0;
    std::string errorName;
    if (reply.find(kFailed) != std::string::npos) {
        removeFile(epsPath);
        if (findSourceFailure(reply, &index, &errorName)) {
            *pageFailed = true;
            *error = sourceFailureText(errorName) + " (Ghostscript: " + errorName + ")";
        } else {
            *error = "Ghostscript failed: " + ghostscriptSays(reply);
        }
        return false;
    }
    int read = readWholeFile(epsPath, eps, error);
    removeFile(epsPath);
    if (read != 0) return false;
    if (eps->compare(0, 11, "%!PS-Adobe-") != 0) {
        *error = "Ghostscript wrote no EPS";
        return false;
    }
    return true;
}

} // namespace plxhost

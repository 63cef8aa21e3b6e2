#include "host/pdf_page_eps.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/pdf_page_program.h"
#include "host/process.h"
#include "host/safe_file.h"
#include "host/work_folder.h"
#include "xt/xttypes.h"

namespace plxhost {

namespace {

std::string points(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

// Ghostscript's "Error: /name in command" line, else the end of its output.
std::string ghostscriptSays(const std::string& output) {
    size_t error = output.find("Error: /");
    if (error != std::string::npos) {
        size_t end = output.find('\n', error);
        return output.substr(error, end == std::string::npos ? std::string::npos : end - error);
    }
    std::string text = output;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.size() > 400) text = "…" + text.substr(text.size() - 400);
    return text;
}

} // namespace

PdfPageConverter::PdfPageConverter(std::string program) : program_(std::move(program)) {}

PdfPageConverter::~PdfPageConverter() {
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

bool PdfPageConverter::convert(const PageSource& source, double width, double height,
                               double seconds, std::string* eps, bool* pageFailed,
                               std::string* error) {
    timedOut_ = false;
    *pageFailed = false;
    std::string psPath = work_ + "/page.ps", epsPath = work_ + "/page.eps";
    std::string job = "%!PS\n<< /PageSize [" + points(width) + " " + points(height) +
                      "] >> setpagedevice\n" + pdfPageProgram(source, 0) + "showpage\n";
    std::FILE* f = std::fopen(psPath.c_str(), "wb");
    bool written = f && std::fwrite(job.data(), 1, job.size(), f) == job.size();
    if (f && std::fclose(f) != 0) written = false;
    if (!written) {
        *error = psPath + ": " + std::strerror(errno ? errno : EIO);
        return false;
    }
    ::unlink(epsPath.c_str());
    // Images keep their resolution and fonts go in whole or in part, as in
    // the PDF files the host writes.
    std::vector<std::string> args = {path_,
                                     "-q",
                                     "-dSAFER",
                                     "-dNOPAUSE",
                                     "-dBATCH",
                                     "-sDEVICE=eps2write",
                                     "-dEmbedAllFonts=true",
                                     "-dSubsetFonts=true",
                                     "-dDownsampleColorImages=false",
                                     "-dDownsampleGrayImages=false",
                                     "-dDownsampleMonoImages=false",
                                     "-dAutoRotatePages=/None",
                                     "--permit-file-read=" + source.file,
                                     "--permit-file-all=" + work_ + "/",
                                     "-sOutputFile=" + epsPath,
                                     "-f",
                                     psPath};
    ProcessResult r = runProcess(args, seconds, 64 * 1024, {"TMPDIR=" + work_});
    ::unlink(psPath.c_str());
    if (!r.started) {
        *error = "Ghostscript (" + path_ + ") could not be started";
        return false;
    }
    if (r.timedOut) {
        timedOut_ = true;
        *error = "Ghostscript did not finish in time";
        return false;
    }
    int index = 0;
    std::string errorName;
    if (r.exitCode != 0 && findSourceFailure(r.output, &index, &errorName)) {
        *pageFailed = true;
        *error = sourceFailureText(errorName) + " (Ghostscript: " + errorName + ")";
        return false;
    }
    if (r.exitCode != 0) {
        *error = "Ghostscript failed (exit status " + std::to_string(r.exitCode) + ")";
        if (!r.output.empty()) *error += ": " + ghostscriptSays(r.output);
        return false;
    }
    int read = readWholeFile(epsPath, eps, error);
    ::unlink(epsPath.c_str());
    if (read != 0) return false;
    if (eps->compare(0, 11, "%!PS-Adobe-") != 0) {
        *error = "Ghostscript wrote no EPS";
        return false;
    }
    return true;
}

} // namespace plxhost

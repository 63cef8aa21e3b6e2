#include "host/distiller.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/postscript_writer.h"
#include "host/safe_file.h"
#include "host/work_folder.h"
#include "xt/xttypes.h"

namespace plxhost {

namespace {

const char* const kDone = "PLX-DONE";
const char* const kFailed = "PLX-FAILED";
// How long a kept process may take to end after "quit".
constexpr double kQuitSeconds = 2;

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds);
    return text;
}

// pdfwrite reads "%d" in an output file name as a page number.
std::string outputFileArgument(const std::string& path) {
    std::string out;
    for (char c : path) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

// A PDF written in full starts with its header and ends with "%%EOF".
bool wholePdf(const std::string& bytes, std::string* error) {
    size_t tail = bytes.size() > 64 ? bytes.size() - 64 : 0;
    if (bytes.compare(0, 5, "%PDF-") != 0 || bytes.find("%%EOF", tail) == std::string::npos) {
        *error = "Ghostscript wrote no complete PDF file";
        return false;
    }
    return true;
}

bool copyInto(const std::string& from, const std::string& to, bool durable, std::string* error) {
    std::string bytes;
    if (readWholeFile(from, &bytes, error) != 0 || !wholePdf(bytes, error)) return false;
    PendingFile file;
    if (!file.open(to, error)) return false;
    file.write(bytes.data(), bytes.size());
    return file.commit(error, durable ? Sync::kNow : Sync::kLater);
}

// The job's PostScript for Ghostscript's eyes only: nothing need survive a
// crash, so it is written without the care given to the user's files.
bool writeScratch(const std::string& path, const std::string& text, std::string* error) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) *error = path + ": " + std::strerror(errno ? errno : EIO);
    return ok;
}

// What Ghostscript said about a failure: its "Error: /name in command"
// line when there is one, else the end of its output.
std::string lastLines(const std::string& output) {
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

Distiller::Distiller(std::string program, bool keep) : program_(std::move(program)), keep_(keep) {}

Distiller::~Distiller() {
    stop();
    if (!work_.empty()) removeWorkFolder(work_);
}

bool Distiller::prepare(std::string* error, int16_t* code) {
    if (path_.empty()) path_ = findProgram(program_);
    if (path_.empty()) {
        *code = kXTFileNotFoundErr;
        *error = "PDF files cannot be written: Ghostscript (\"" + program_ +
                 "\") was not found. Install Ghostscript and try again.";
        return false;
    }
    if (work_.empty()) {
        std::string parent = temporaryFolder(), why;
        removeDeadWorkFolders(parent);
        work_ = makeWorkFolder(parent, &why);
        if (work_.empty()) {
            *code = kXTIOErr;
            *error = "PDF files cannot be written: no work folder could be made in " + parent +
                     " (" + why + ").";
            return false;
        }
    }
    return true;
}

std::vector<std::string> Distiller::baseArguments(double width, double height) const {
    return {path_,
            "-q",
            "-dSAFER",
            "-dNOPAUSE",
            "-sDEVICE=pdfwrite",
            "-dPDFSETTINGS=/prepress",
            "-dEmbedAllFonts=true",
            "-dSubsetFonts=true",
            "-dAutoRotatePages=/None",
            "-dDEVICEWIDTHPOINTS=" + number(width),
            "-dDEVICEHEIGHTPOINTS=" + number(height),
            "--permit-file-all=" + work_ + "/"};
}

// Ghostscript's own temporary files go into the work folder too, so that
// they go with it.
Environment Distiller::environment() const { return {"TMPDIR=" + work_}; }

bool Distiller::distil(const std::string& postscript, double width, double height,
                       const std::string& pdfPath, double seconds, bool durable,
                       std::string* error) {
    timedOut_ = false;
    std::string psPath = work_ + "/job.ps", jobPdf = work_ + "/job.pdf";
    ::unlink(jobPdf.c_str());
    if (!writeScratch(psPath, postscript, error)) return false;
    bool ok = keep_ ? runOnServer(psPath, jobPdf, width, height, seconds, error)
                    : runOnce(psPath, jobPdf, width, height, seconds, error);
    ok = ok && copyInto(jobPdf, pdfPath, durable, error);
    ::unlink(psPath.c_str());
    ::unlink(jobPdf.c_str());
    return ok;
}

bool Distiller::runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                        double height, double seconds, std::string* error) {
    std::vector<std::string> args = baseArguments(width, height);
    args.push_back("-dBATCH");
    args.push_back("-sOutputFile=" + outputFileArgument(pdfPath));
    args.push_back("-f");
    args.push_back(psPath);
    // Runs only when the job's PostScript ran to its end (it may quit early).
    args.push_back("-c");
    args.push_back(std::string("(") + kDone + "\\n) print flush");
    ProcessResult r = runProcess(args, seconds, 64 * 1024, environment());
    if (!r.started) {
        *error = "Ghostscript (" + path_ + ") could not be started";
        return false;
    }
    if (r.timedOut) {
        timedOut_ = true;
        *error = "Ghostscript did not finish within " + secondsText(seconds) + " seconds";
        return false;
    }
    if (r.exitCode != 0) {
        *error = "Ghostscript failed (exit status " + std::to_string(r.exitCode) + ")";
        if (!r.output.empty()) *error += ": " + lastLines(r.output);
        return false;
    }
    if (r.output.find(kDone) == std::string::npos) {
        *error = "Ghostscript stopped before the end of the job";
        return false;
    }
    return true;
}

void Distiller::stop() { server_.stop("quit\n", kQuitSeconds); }

bool Distiller::runOnServer(const std::string& psPath, const std::string& pdfPath, double width,
                            double height, double seconds, std::string* error) {
    if (!server_.running()) {
        std::vector<std::string> args = baseArguments(612, 792);
        args.push_back("-dNOPROMPT");
        args.push_back("-sOutputFile=" + outputFileArgument(work_ + "/idle.pdf"));
        std::string why;
        if (!server_.start(args, environment(), &why)) {
            *error = "Ghostscript (" + path_ + ") could not be started: " + why;
            return false;
        }
    }
    // Switching the output file closes the previous PDF; switching to the
    // idle file afterwards closes this job's PDF, so it is whole once the
    // marker comes back. Whatever a failed job left on the stacks goes.
    std::string command =
        "<< /OutputFile " + psBytesLiteral(outputFileArgument(pdfPath)) + " /PageSize [" +
        number(width) + " " + number(height) + "] >> setpagedevice\n" + "{ " +
        psBytesLiteral(psPath) + " run } stopped { (" + kFailed +
        " ) print $error /errorname get =only ( in ) print $error /command get =only (\\n) print"
        " } if\n"
        "clear cleardictstack grestoreall initgraphics\n"
        "<< /OutputFile " +
        psBytesLiteral(outputFileArgument(work_ + "/idle.pdf")) + " >> setpagedevice\n(" + kDone +
        "\\n) print flush\n";
    std::string reply;
    KeptProcess::Reply got = KeptProcess::Reply::kEnded;
    if (server_.send(command)) got = server_.readUntil(std::string(kDone) + "\n", seconds, &reply);
    if (got != KeptProcess::Reply::kComplete) {
        // It no longer reads its commands: asking it to quit would only wait.
        server_.stop(std::string(), 0);
        if (got == KeptProcess::Reply::kTimedOut) {
            timedOut_ = true;
            *error = "Ghostscript did not finish within " + secondsText(seconds) + " seconds";
        } else {
            *error = "Ghostscript stopped answering";
        }
        if (!reply.empty()) *error += ": " + lastLines(reply);
        return false;
    }
    size_t failed = reply.find(kFailed);
    if (failed != std::string::npos) {
        size_t end = reply.find('\n', failed);
        *error = "Ghostscript failed: " +
                 reply.substr(failed + std::strlen(kFailed) + 1,
                              end == std::string::npos ? std::string::npos
                                                       : end - failed - std::strlen(kFailed) - 1);
        return false;
    }
    return true;
}

} // namespace plxhost

#include "host/distiller.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/file_open.h"
#include "host/ghostscript_output.h"
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
    std::FILE* f = openFile(path, "wb");
    bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) *error = path + ": " + std::strerror(errno ? errno : EIO);
    return ok;
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

void Distiller::permitReading(const std::vector<std::string>& files) {
    bool added = false;
    for (const std::string& file : files)
        if (readable_.insert(file).second) added = true;
    if (added) stop();
}

std::vector<std::string> Distiller::baseArguments(double width, double height) const {
    std::vector<std::string> args = {path_,
            "-q",
            "-dSAFER",
            "-dNOPAUSE",
            "-sDEVICE=pdfwrite",
            "-dPDFSETTINGS=/prepress",
            "-dEmbedAllFonts=true",
            "-dSubsetFonts=true",
            "-dAutoRotatePages=/None",
            // Images of the PDF pages jobs show keep their resolution.
            "-dDownsampleColorImages=false",
            "-dDownsampleGrayImages=false",
            "-dDownsampleMonoImages=false",
            "-dDEVICEWIDTHPOINTS=" + number(width),
            "-dDEVICEHEIGHTPOINTS=" + number(height),
            "--permit-file-all=" + work_ + "/"};
    for (const std::string& file : readable_) args.push_back("--permit-file-read=" + file);
    return args;
}

// Ghostscript's own temporary files go into the work folder too, so that
// they go with it.
Environment Distiller::environment() const { return {"TMPDIR=" + work_}; }

bool Distiller::distil(const std::string& postscript, size_t setupBegin, size_t setupEnd,
                       double width, double height, const std::string& pdfPath, double seconds,
                       bool durable, std::string* error) {
    timedOut_ = false;
    std::string psPath = work_ + "/job.ps", jobPdf = work_ + "/job.pdf";
    ::unlink(jobPdf.c_str());
    bool ok;
    if (keep_) {
        setupEnd = std::min(setupEnd, postscript.size());
        setupBegin = std::min(setupBegin, setupEnd);
        std::string setup = postscript.substr(setupBegin, setupEnd - setupBegin);
        if (server_.running() && jobsPerProcess_ > 0 && serverJobs_ >= jobsPerProcess_) stop();
        ok = (server_.running() || startServer(error));
        if (ok && setup_.empty() && !setup.empty()) {
            // The first job's set-up becomes the process's own, outside any
            // job's save.
            ok = writeScratch(work_ + "/setup.ps", setup, error) &&
                 ask(psBytesLiteral(work_ + "/setup.ps") + " plxsetup\n", seconds, error);
            if (ok) setup_ = setup;
        }
        // A job whose set-up differs from the kept one brings its own.
        bool kept = ok && setup == setup_;
        ok = ok &&
             writeScratch(psPath,
                          kept ? postscript.substr(0, setupBegin) + postscript.substr(setupEnd)
                               : postscript,
                          error) &&
             runOnServer(psPath, jobPdf, width, height, seconds, error);
    } else {
        ok = writeScratch(psPath, postscript, error) &&
             runOnce(psPath, jobPdf, width, height, seconds, error);
    }
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
        if (!r.output.empty()) *error += ": " + ghostscriptSays(r.output);
        return false;
    }
    if (r.output.find(kDone) == std::string::npos) {
        *error = "Ghostscript stopped before the end of the job";
        return false;
    }
    return true;
}

void Distiller::stop() {
    server_.stop("quit\n", kQuitSeconds);
    setup_.clear();
}

bool Distiller::startServer(std::string* error) {
    setup_.clear();
    serverJobs_ = 0;
    std::vector<std::string> args = baseArguments(612, 792);
    args.push_back("-dNOPROMPT");
    args.push_back("-sOutputFile=" + outputFileArgument(work_ + "/idle.pdf"));
    std::string why;
    if (!server_.start(args, environment(), &why)) {
        *error = "Ghostscript (" + path_ + ") could not be started: " + why;
        return false;
    }
    // The procedures every job uses, defined once. A job switches the
    // output to its PDF file, runs its PostScript inside `stopped` and
    // `save`/`restore`, and switches to the idle file, which closes the
    // job's PDF: it is whole once the marker comes back. Whatever a failed
    // job left on the stacks goes.
    std::string init = std::string(
        "/plxjobs 8 dict def\n"
        "/plxfailed { (") + kFailed + " ) print $error /errorname get =only ( in ) print"
        " $error /command get =only (\\n) print } bind def\n"
        "/plxsetup { { run } stopped { plxfailed } if clear cleardictstack (" + kDone +
        "\\n) print flush } bind def\n"
        "/plxjob { plxjobs begin /h exch def /w exch def /pdf exch def /ps exch def /idle exch def"
        " end\n"
        "  << /OutputFile plxjobs /pdf get /PageSize [ plxjobs /w get plxjobs /h get ] >>"
        " setpagedevice\n"
        "  plxjobs /vm save put\n"
        "  { plxjobs /ps get run } stopped { plxfailed } if\n"
        "  clear cleardictstack plxjobs /vm get restore grestoreall initgraphics\n"
        "  << /OutputFile plxjobs /idle get >> setpagedevice (" + kDone +
        "\\n) print flush } bind def\n";
    if (!server_.send(init)) {
        server_.stop(std::string(), 0);
        *error = "Ghostscript (" + path_ + ") did not take its commands";
        return false;
    }
    return true;
}

bool Distiller::ask(const std::string& command, double seconds, std::string* error) {
    std::string reply;
    KeptProcess::Reply got = KeptProcess::Reply::kEnded;
    if (server_.send(command)) got = server_.readUntil(std::string(kDone) + "\n", seconds, &reply);
    if (got != KeptProcess::Reply::kComplete) {
        // It no longer reads its commands: asking it to quit would only wait.
        server_.stop(std::string(), 0);
        setup_.clear();
        if (got == KeptProcess::Reply::kTimedOut) {
            timedOut_ = true;
            *error = "Ghostscript did not finish within " + secondsText(seconds) + " seconds";
        } else {
            *error = "Ghostscript stopped answering";
        }
        if (!reply.empty()) *error += ": " + ghostscriptSays(reply);
        return false;
    }
    size_t failed = reply.find(kFailed);
    if (failed != std::string::npos) {
        size_t from = failed + std::strlen(kFailed) + 1;
        size_t end = reply.find('\n', failed);
        *error = "Ghostscript failed: " +
                 reply.substr(from, end == std::string::npos ? std::string::npos : end - from);
        return false;
    }
    return true;
}

bool Distiller::runOnServer(const std::string& psPath, const std::string& pdfPath, double width,
                            double height, double seconds, std::string* error) {
    std::string command = psBytesLiteral(outputFileArgument(work_ + "/idle.pdf")) + " " +
                          psBytesLiteral(psPath) + " " +
                          psBytesLiteral(outputFileArgument(pdfPath)) + " " + number(width) +
                          " " + number(height) + " plxjob\n";
    ++serverJobs_;
    return ask(command, seconds, error);
}

} // namespace plxhost

// Turns a job's PostScript into PDF with Ghostscript's pdfwrite device.
//
// Ghostscript works only inside a private work folder (it runs with
// -dSAFER and may write nowhere else); the finished PDF is then copied
// into the target folder under a temporary name and renamed into place.
// The media size is always given explicitly, so the interpreter's default
// paper never applies, and fonts are embedded (/prepress settings).
//
// With `keep` set the distiller starts one Ghostscript process and feeds
// it job after job; each job switches pdfwrite to a fresh output file, so
// every job still becomes a PDF document of its own. A process that dies
// or stops answering is ended and started afresh for the next job.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace plxhost {

class Distiller {
  public:
    Distiller(std::string program, bool keep, int timeoutSeconds);
    ~Distiller();
    Distiller(const Distiller&) = delete;
    Distiller& operator=(const Distiller&) = delete;

    const std::string& program() const { return program_; }
    bool keeps() const { return keep_; }

    // Finds Ghostscript and makes the work folder. False with *error and
    // *code (kXTFileNotFoundErr: no Ghostscript; kXTIOErr otherwise).
    bool prepare(std::string* error, int16_t* code);
    // Distils the PostScript into the PDF file at `pdfPath` (whose first
    // page is width x height points). The file is whole or not there.
    bool distil(const std::string& postscript, double width, double height,
                const std::string& pdfPath, std::string* error);
    // Ends the kept process.
    void stop();
    // The kept process, or 0 (for tests).
    pid_t serverPid() const { return pid_; }

  private:
    std::vector<std::string> baseArguments(double width, double height) const;
    bool runOnce(const std::string& psPath, const std::string& pdfPath, double width,
                 double height, std::string* error);
    bool startServer(std::string* error);
    bool runOnServer(const std::string& psPath, const std::string& pdfPath, double width,
                     double height, std::string* error);
    bool sendCommand(const std::string& command);
    bool readUntilDone(std::string* reply);

    std::string program_;
    bool keep_;
    int timeout_;
    std::string path_;   // the program found
    std::string work_;   // private work folder
    pid_t pid_ = 0;      // kept process
    int toServer_ = -1;
    int fromServer_ = -1;
    int jobNumber_ = 0;
};

} // namespace plxhost

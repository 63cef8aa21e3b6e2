// Pages of PDF files as EPS content for the host's own EPS stream.
//
// The host writes EPS files itself, so that the plug-in's header comments
// and page additions land in the file as written. A PDF page's content
// comes from Ghostscript's eps2write device, which draws the page through
// Ghostscript's PDF interpreter into self-contained PostScript (fonts
// embedded, text as text, images at their resolution); the host places
// that output like any included EPS. See docs/pdf-documents.md.
//
// One Ghostscript process serves a run: eps2write writes each page into a
// numbered file of its own; a page is drawn inside `stopped` and
// `save`/`restore`, and its file is whole once its showpage has run. Under -dSAFER the
// process may read only the files it was started with, so a page of a new
// file starts it afresh; so does a process that died or stopped answering.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "host/process.h"
#include "host/project.h"

namespace plxhost {

class PdfPageConverter {
  public:
    explicit PdfPageConverter(std::string program);
    ~PdfPageConverter();
    PdfPageConverter(const PdfPageConverter&) = delete;
    PdfPageConverter& operator=(const PdfPageConverter&) = delete;

    const std::string& program() const { return program_; }

    // Finds Ghostscript and makes the work folder. False with *error and
    // *code (kXTFileNotFoundErr: no Ghostscript; kXTIOErr otherwise).
    bool prepare(std::string* error, int16_t* code);
    // The EPS of the source page shown as width x height points (the page
    // in its default user space), allowing Ghostscript `seconds`. False
    // with *error: "what is wrong" with the page when Ghostscript could not
    // draw it (*pageFailed set), otherwise what failed.
    bool convert(const PageSource& source, double width, double height, double seconds,
                 std::string* eps, bool* pageFailed, std::string* error);
    // Whether the last convert() failed because Ghostscript took too long.
    bool timedOut() const { return timedOut_; }
    // Ends the kept process.
    void stop();

  private:
    bool start(std::string* error);

    std::string program_;
    std::string path_; // the program found
    std::string work_; // private work folder
    bool timedOut_ = false;
    KeptProcess server_;
    std::set<std::string> readable_; // the files the process may read
    int pages_ = 0;                  // pages the process has drawn
};

} // namespace plxhost

// Pages of PDF files as EPS content for the host's own EPS stream.
//
// The host writes EPS files itself, so that the plug-in's header comments
// and page additions land in the file as written. A PDF page's content
// comes from Ghostscript's eps2write device, which draws the page through
// Ghostscript's PDF interpreter into self-contained PostScript (fonts
// embedded, text as text, images at their resolution); the host places
// that output like any included EPS. See docs/pdf-documents.md.
#pragma once

#include <cstdint>
#include <string>

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

  private:
    std::string program_;
    std::string path_; // the program found
    std::string work_; // private work folder
    bool timedOut_ = false;
};

} // namespace plxhost

// The PostScript stream of one job, in DSC 3.0. The engine drives it in
// order: header() up to where plug-ins add header comments, endHeader()
// (prolog and setup), then per page beginPage() up to where the page's
// coordinate system is print space, content() and endPage(), and finally
// trailer(). raw() adds plug-ins' bytes wherever the stream stands.
//
// In a page, print space (points, y downwards) maps onto the page's
// default user space so that the output area's top-left corner lands at
// the media's top-left corner: x' = x - area.left, y' = area.bottom - y.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/job_plan.h"
#include "host/project.h"

namespace plxhost {

class PostScriptWriter {
  public:
    // `eps`: an encapsulated single page; otherwise a PostScript document
    // whose pages ask for their media size (for distilling to PDF).
    PostScriptWriter(bool eps, const Layout& layout, const std::vector<PlannedPage>& pages);

    void header(const std::string& title);
    void endHeader();
    void beginPage(size_t index);
    void content(size_t index);
    void endPage();
    void trailer();

    // EPS of the pages shown from PDF files, by page (an EPS job needs
    // one for each such page; PDF jobs draw them through Ghostscript's
    // PDF interpreter instead). Kept by the caller while the job is written.
    void setSourceEps(const std::map<int, std::string>* eps) { sourceEps_ = eps; }

    void raw(const char* bytes, size_t length) { text_.append(bytes, length); }
    const std::string& text() const { return text_; }
    // Where the prolog and set-up lie in text(): the same for every job of
    // a kind, so that a kept interpreter can take them once.
    size_t setupBegin() const { return setupBegin_; }
    size_t setupEnd() const { return setupEnd_; }
    // Characters of box texts the font could not draw (shown as boxes).
    const std::set<char32_t>& undrawn() const { return undrawn_; }

  private:
    void line(const std::string& s);
    void format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // The values as "%.3f" with blanks between, then `then`: the page's numbers
    // without printf (ps_number.h).
    void numbers(std::initializer_list<double> values, const char* then);
    void drawBox(const Box& box);
    void drawSource(int page, const PageSource& source);
    bool hasText() const;

    bool eps_;
    const Layout& layout_;
    const std::vector<PlannedPage>& pages_;
    std::string text_;
    size_t setupBegin_ = 0, setupEnd_ = 0;
    std::set<char32_t> undrawn_;
    const std::map<int, std::string>* sourceEps_ = nullptr;
};

// Width and height of an area in points.
double areaWidth(const fixedrect& area);
double areaHeight(const fixedrect& area);

// A PostScript string literal "(…)" of the bytes (non-printable bytes in
// octal).
std::string psBytesLiteral(const std::string& bytes);
// Text for a DSC comment: printable ASCII only, at most `limit` bytes.
std::string dscText(const std::string& utf8, size_t limit);

} // namespace plxhost

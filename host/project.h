// The host's documents: a project (one file) holds layouts; a layout has
// pages of one size, master pages, sections that name its pages, spreads
// and boxes. Slug data can be kept in a layout and in each box.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/box_list.h"
#include "host/page_index.h"
#include "host/spread_list.h"
#include "xt/xttypes.h"

// Slug data: byte blocks under 32-bit tags. The address of a store is the
// holder reference the box group hands out.
struct XTSlugHolder_ {
    std::map<uint32_t, std::string> data;
};

// A view of a layout; its address is the layout's DocViewRef.
struct XTDocView_ {
    int32_t docRef = -1;
};

namespace plxhost {

struct Section {
    int firstPage = 1;      // absolute page where the section starts
    int start = 1;          // number of its first page
    char format = '1';      // '1', 'i', 'I', 'a', 'A', or ' ' for no number (prefix only)
    std::string prefix;
};

// Where a layout read from a file stands in that file's text, so that
// saving can change the statements that must change and keep every other
// line as the person wrote it (docs/project-format.md, "Saving").
// A "page-source" statement: the layout's page shows page pdfPage of the
// PDF file `file` (as written, relative to the project's folder).
struct PageSourceLine {
    int line = 0;
    int page = 0;
    std::string file;
    int pdfPage = 0;
};

struct LayoutSource {
    bool known = false;     // the layout was read from the project's text
    std::vector<PageSourceLine> pageSources; // resolved when the file is read
    int lastLine = 0;       // the last line of a statement of the layout
    std::map<uint32_t, std::vector<int>> dataLines; // the data lines of each tag
    std::map<uint32_t, std::string> dataAsRead;     // the slug data those lines gave
};

// Where a page's content comes from when it is a page of a PDF: the file,
// its page (1-based), the rectangle of that page shown (CropBox else
// MediaBox, in the PDF's default user space) and its rotation (0, 90, 180
// or 270 degrees clockwise).
struct PageSource {
    std::string file; // absolute path
    int page = 0;     // 0 = the page has no source
    double llx = 0, lly = 0, urx = 0, ury = 0;
    int rotate = 0;
};

struct Layout {
    int32_t docRef = -1;
    std::string name;
    double pageWidth = 612;  // points
    double pageHeight = 792;
    int numPages = 1;
    // Sizes of each page (points) when they differ; empty when every page
    // is pageWidth x pageHeight. Read through pageWidthOf/pageHeightOf.
    std::vector<std::pair<double, double>> pageSizes;
    // The PDF page shown on each page (index page-1); empty or short when
    // the pages are drawn.
    std::vector<PageSource> pageSources;
    std::vector<std::string> masters;
    std::vector<Section> sections;          // ascending first pages, the first at page 1
    SpreadList spreads;                     // pages of each spread, left to right
    BoxList boxes;
    int currentPage = 1;
    Box* selectedBox = nullptr;
    XTSlugHolder_ slugs;
    // The slug holders of boxes, made when first asked for: few boxes hold
    // slug data. A box's own holder and its text's.
    struct BoxSlugs {
        XTSlugHolder_ own;
        XTSlugHolder_ text;
    };
    std::map<const Box*, BoxSlugs> boxSlugs;
    XTDocView_ view;
    LayoutSource source;
    // Each page's spread and boxes, for spreadOfPage and boxesOnPage.
    PageIndex index;
};

// The size and digest (host/text_digest.h) of a project's text.
struct SourceDigest {
    bool known = false;
    uint64_t size = 0;
    std::array<uint64_t, 2> digest{};
};

struct Project {
    int32_t projRef = -1;
    std::string path;  // absolute path of the project file; empty = never saved
    std::string name;  // file name with extension
    std::vector<std::unique_ptr<Layout>> layouts;
    int currentLayout = 0; // index of the layout shown when the project opens
    bool changed = false;
    // What the project's file held when it was read (or last saved): saving
    // reads the file again and edits that text, refusing when the file is
    // no longer what was read. Not known for a project made in memory,
    // which is written whole.
    SourceDigest sourceDigest;
    bool fromPdf = false;  // opened from a PDF: never written back to its file
};

// The label a layout shows for an absolute page (section numbering).
std::string pageLabel(const Layout& layout, int page);
// Number formatted in a section format: 1 decimal, i/I roman, a/A letters.
std::string formatPageNumber(int number, char format);

// Size in points of an absolute page (the layout's size for pages out of
// range).
double pageWidthOf(const Layout& layout, int page);
double pageHeightOf(const Layout& layout, int page);
// Whether the pages differ in size.
bool hasMixedSizes(const Layout& layout);
// The PDF page shown on a page, or null when the page is drawn.
const PageSource* pageSourceOf(const Layout& layout, int page);

// Spread (1-based) holding a page, and the page's 0-based place in it;
// false for a page that lies on no spread.
bool spreadOfPage(const Layout& layout, int page, int* spread, int* place);
// The boxes lying on a page, in the layout's order.
BoxesOnPage boxesOnPage(const Layout& layout, int page);

} // namespace plxhost

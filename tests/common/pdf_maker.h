// Small PDFs made for tests: pages of given sizes, boxes and rotations,
// each showing a line of text and a blue rectangle inside the page's shown
// box, with optional page labels and page layout.
#pragma once

#include <string>
#include <vector>

namespace plxtest {

struct PdfPage {
    double width = 612, height = 792; // MediaBox from the origin
    std::string cropBox;              // "[llx lly urx ury]" or empty
    int rotate = 0;
    std::string text;                 // shown in Helvetica near the top left
    // A 64 x 64 gray image drawn 10 points wide (about 460 dpi), near the
    // top right.
    bool image = false;
};

struct PdfDocumentPlan {
    std::vector<PdfPage> pages;
    std::string pageLabels; // the /Nums array's content, e.g. "0 << /S /r >> 4 << /S /D >>"
    std::string pageLayout; // e.g. "TwoPageRight"; empty for none
};

// The PDF's bytes (a valid file with a cross-reference table).
std::string makePdf(const PdfDocumentPlan& plan);

} // namespace plxtest

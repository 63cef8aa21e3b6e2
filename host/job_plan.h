// How a job's page range becomes PostScript pages: one PostScript page per
// spread the range touches, holding the range's pages of that spread side
// by side, with the output area in print space (xtoutput.h).
#pragma once

#include <string>
#include <vector>

#include "host/print_engine.h"
#include "host/project.h"

namespace plxhost {

struct PlannedPage {
    int spread = 0;         // 1-based
    std::vector<int> pages; // absolute page numbers, left to right
    fixedrect area{};       // print space
};

// The rectangle of a page of the layout in print space.
fixedrect pagePrintRect(const Layout& layout, int page);
// The rectangle of a box of the layout in print space.
fixedrect boxPrintRect(const Layout& layout, const Box& box);

// Plans the job's pages. The job's area, when set, is the area of every
// page; otherwise a page's area is the union of its pages' rectangles.
// False with *error for a range that lies outside the layout.
bool planJob(const Layout& layout, const PrintJob& job, std::vector<PlannedPage>* out,
             std::string* error);

// Points of a Fixed value.
inline double fixedPoints(Fixed v) { return v / 65536.0; }

} // namespace plxhost

#include "host/job_plan.h"

#include <algorithm>
#include <cmath>

namespace plxhost {

namespace {

Fixed toFixed(double points) { return static_cast<Fixed>(std::lround(points * kFixedOne)); }

// The origin of print space lies one point above and left of the spread.
constexpr double kPrintOrigin = 1.0;

} // namespace

fixedrect pagePrintRect(const Layout& layout, int page) {
    int spread = 0, place = 0;
    double left = kPrintOrigin;
    // Pages of a spread sit side by side, top edges aligned; each keeps its
    // own size.
    if (spreadOfPage(layout, page, &spread, &place)) {
        PageSpan pages = layout.spreads[static_cast<size_t>(spread - 1)];
        for (int k = 0; k < place; ++k) left += pageWidthOf(layout, pages[static_cast<size_t>(k)]);
    }
    return fixedrect{toFixed(kPrintOrigin), toFixed(left),
                     toFixed(kPrintOrigin + pageHeightOf(layout, page)),
                     toFixed(left + pageWidthOf(layout, page))};
}

fixedrect boxPrintRect(const Layout& layout, const Box& box) {
    fixedrect page = pagePrintRect(layout, box.page);
    double left = fixedPoints(page.left) + box.x;
    double top = fixedPoints(page.top) + box.y;
    return fixedrect{toFixed(top), toFixed(left), toFixed(top + box.height),
                     toFixed(left + box.width)};
}

bool planJob(const Layout& layout, const PrintJob& job, std::vector<PlannedPage>* out,
             std::string* error) {
    out->clear();
    if (job.first < 1 || job.last < job.first || job.last > layout.numPages) {
        *error = "The pages " + std::to_string(job.first) + " to " + std::to_string(job.last) +
                 " are not in the layout \"" + layout.name + "\" of " +
                 std::to_string(layout.numPages) + " pages.";
        return false;
    }
    for (int page = job.first; page <= job.last; ++page) {
        int spread = 0, place = 0;
        if (!spreadOfPage(layout, page, &spread, &place)) {
            *error = "The page " + std::to_string(page) + " lies on no spread.";
            return false;
        }
        if (out->empty() || out->back().spread != spread) {
            out->push_back(PlannedPage{});
            out->back().spread = spread;
            out->back().area = pagePrintRect(layout, page);
        }
        PlannedPage& p = out->back();
        p.pages.push_back(page);
        fixedrect r = pagePrintRect(layout, page);
        p.area.top = std::min(p.area.top, r.top);
        p.area.left = std::min(p.area.left, r.left);
        p.area.bottom = std::max(p.area.bottom, r.bottom);
        p.area.right = std::max(p.area.right, r.right);
    }
    if (job.areaSet)
        for (PlannedPage& p : *out) p.area = job.area;
    return true;
}

} // namespace plxhost

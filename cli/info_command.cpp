// plexmoor info PROJECT: what the host sees of a project, and how the
// plug-in started.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/messages.h"
#include "host/groups.h"

namespace plxcli {

namespace {

std::string points(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

void printPluginState(Session& s) {
    const plxhost::Host& host = s.host();
    std::printf("Plexmoor %s, plug-in %s\n", PLX_VERSION, s.pluginPath().c_str());
    std::printf("  activation: %s (%d)\n", s.activationResult() == 0 ? "accepted" : "refused",
                s.activationResult());
    bool pdfBound = false;
    std::string codes;
    for (const plxhost::Registration& r : s.host().callbacks().all()) {
        if (!codes.empty()) codes += ' ';
        codes += std::to_string(r.code);
    }
    for (uint32_t id : host.boundGroups()) pdfBound = pdfBound || id == plxhost::kXTGroupPdf;
    std::printf("  PDF module: %s\n", pdfBound ? "bound" : "not bound");
    std::printf("  callbacks: %s\n", codes.empty() ? "none" : codes.c_str());
}

void printLayout(const plxhost::Layout& l, bool front) {
    std::printf("  layout \"%s\"%s: %d page%s of %s x %s pt, %zu master page%s, %zu spread%s, "
                "current page %d\n",
                l.name.c_str(), front ? " (front)" : "", l.numPages, l.numPages == 1 ? "" : "s",
                points(l.pageWidth).c_str(), points(l.pageHeight).c_str(), l.masters.size(),
                l.masters.size() == 1 ? "" : "s", l.spreads.size(), l.spreads.size() == 1 ? "" : "s",
                l.currentPage);
    std::printf("    pages:");
    for (int p = 1; p <= l.numPages; ++p)
        std::printf(" %d=%s", p, plxhost::pageLabel(l, p).c_str());
    if (plxhost::hasMixedSizes(l)) {
        std::printf("\n    page sizes:");
        for (int p = 1; p <= l.numPages; ++p)
            std::printf(" %d=%sx%s", p, points(plxhost::pageWidthOf(l, p)).c_str(),
                        points(plxhost::pageHeightOf(l, p)).c_str());
    }
    std::printf("\n    spreads:");
    for (const auto& spread : l.spreads) {
        std::printf(" [");
        for (size_t k = 0; k < spread.size(); ++k) std::printf(k ? " %d" : "%d", spread[k]);
        std::printf("]");
    }
    std::printf("\n");
    for (const plxhost::Box& b : l.boxes) {
        std::printf("    box %d on page %d at %s,%s size %s x %s pt%s%s%s%s\n", b.id, b.page,
                    points(b.x).c_str(), points(b.y).c_str(), points(b.width).c_str(),
                    points(b.height).c_str(), b.text.empty() ? "" : " \"",
                    b.text.c_str(), b.text.empty() ? "" : "\"",
                    l.selectedBox == &b ? " (selected)" : "");
    }
}

} // namespace

int runInfo(const Arguments& args) {
    if (args.positional.size() != 1) return usageError(say("info takes one PROJECT file"));
    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);
    if (session.host().documents().openProject(args.positional[0], &error) == -1)
        return failure(error);
    printPluginState(session);
    const plxhost::Documents& docs = session.host().documents();
    for (const auto& p : docs.projects()) {
        std::printf("project \"%s\" (%s)\n", p->name.c_str(), p->path.c_str());
        for (const auto& l : p->layouts) printLayout(*l, docs.front() == l.get());
    }
    return 0;
}

} // namespace plxcli

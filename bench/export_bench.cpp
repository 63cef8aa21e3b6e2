// Export benchmark: a 1000-page layout exported page by page to EPS
// through the stand-in host and the plug-in's print callbacks, against
// Ghostscript's eps2write splitting a PDF of the same pages into one EPS
// file per page, both measured in this run.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/host.h"
#include "plugin/core/lifecycle.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_data.h"
#include "plugin/styles/style_data.h"

namespace fs = std::filesystem;

namespace {

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

std::string projectText(int pages) {
    std::string text = "layout \"Bench\"\n  page-size 595 842\n  pages " + std::to_string(pages) +
                       "\n  spreads facing\n";
    for (int p = 1; p <= pages; ++p) {
        text += "  box " + std::to_string(p) + " page=" + std::to_string(p) +
                " x=60 y=80 w=475 h=300 fill=0.8 text=\"Page " + std::to_string(p) + "\"\n";
    }
    return text;
}

int run(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int main(int argc, char** argv) {
    int pages = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (pages < 1 || pages > kMaxExportPages) pages = 1000;
    char tmpl[] = "/tmp/plx-bench-XXXXXX";
    if (!mkdtemp(tmpl)) return 1;
    fs::path root = tmpl;
    setenv("HOME", root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / ".config").c_str(), 1);
    setenv("XDG_STATE_HOME", (root / ".state").c_str(), 1);
    fs::create_directories(root / "eps");
    fs::create_directories(root / "ref");
    std::ofstream(root / "Bench.proj") << projectText(pages);

    double ours = 0;
    {
        plxhost::Host host;
        if (host.attachPlugin(XTActivateCallback) != 0) return 1;
        host.sendLanguage(0);
        std::string error;
        if (host.documents().openProject((root / "Bench.proj").string(), &error) == -1) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        std::memset(&sExportData, 0, sizeof sExportData);
        ExportData& d = sExportData;
        d.docRef = xtGetCurDocRef();
        d.numPages = xtNumPages(d.docRef);
        std::snprintf(d.styleName, sizeof d.styleName, "Default EPS");
        d.styleRef = styleRefForName(d.styleName);
        d.medium = outputMediaForStyle(d.styleRef);
        d.styleData = styleDataForStyle(d.styleRef);
        std::snprintf(d.exportPath, sizeof d.exportPath, "%s/eps/Bench", root.c_str());
        d.exporting = 1;
        auto start = std::chrono::steady_clock::now();
        for (int p = 1; p <= pages; ++p) {
            d.curPage = static_cast<int16_t>(p);
            if (xtprint_funchndl->outputLayout(d.docRef, d.medium, 0xD81) != 0) {
                std::fprintf(stderr, "page %d failed\n", p);
                return 1;
            }
        }
        ours = seconds(std::chrono::steady_clock::now() - start);
        d.exporting = 0;
    }
    // The reference's input: the pages just written, as one PDF (not timed).
    std::string concat = "cd '" + (root / "eps").string() + "' && gs -q -dSAFER -dBATCH -dNOPAUSE "
                         "-sDEVICE=pdfwrite -o '" + (root / "all.pdf").string() + "' $(ls *.eps | sort)"
                         " >/dev/null 2>&1";
    if (run(concat) != 0) {
        std::fprintf(stderr, "could not make the reference PDF\n");
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    std::string split = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=eps2write -o '" +
                        (root / "ref").string() + "/page_%04d.eps' '" + (root / "all.pdf").string() +
                        "' >/dev/null 2>&1";
    if (run(split) != 0) {
        std::fprintf(stderr, "eps2write failed\n");
        return 1;
    }
    double reference = seconds(std::chrono::steady_clock::now() - start);

    std::printf("pages:                  %d\n", pages);
    std::printf("plexmoor EPS export:    %.3f s, %.1f pages/s\n", ours, pages / ours);
    std::printf("gs eps2write split:     %.3f s, %.1f pages/s\n", reference, pages / reference);
    std::printf("ratio (reference/ours): %.2f  (above 1: plexmoor is faster)\n", reference / ours);
    fs::remove_all(root);
    return 0;
}

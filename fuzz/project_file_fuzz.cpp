// The host's project file and its write-back. For every text the parser
// accepts: writing the project and reading the text again gives the same
// project (numbers at the precision the writer keeps), and writing that
// project again gives the same text. Page labels and spreads of the pages
// read are computed too, for the sanitizers.
#include <cstdio>
#include <string>

#include "fuzz/fuzz_support.h"
#include "host/project_file.h"
#include "host/project_writer.h"

using namespace plxhost;

namespace {

std::string number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

std::string quotedBytes(const std::string& bytes) { return "[" + plxfuzz::printable(bytes, 1 << 20) + "]"; }

// Everything the project holds that a project file can say, one line per
// item, so that two projects compare as texts.
std::string describe(const Project& p) {
    std::string out = "current " + std::to_string(p.currentLayout) + "\n";
    for (const auto& l : p.layouts) {
        out += "layout " + quotedBytes(l->name) + " " + number(l->pageWidth) + "x" +
               number(l->pageHeight) + " pages " + std::to_string(l->numPages) + " current " +
               std::to_string(l->currentPage) + "\n";
        for (const std::string& m : l->masters) out += " master " + quotedBytes(m) + "\n";
        for (const Section& s : l->sections)
            out += " section " + std::to_string(s.firstPage) + " " + std::to_string(s.start) + " " +
                   s.format + " " + quotedBytes(s.prefix) + "\n";
        for (const auto& spread : l->spreads) {
            out += " spread";
            for (int page : spread) out += " " + std::to_string(page);
            out += "\n";
        }
        for (const Box& b : l->boxes)
            out += " box " + std::to_string(b.id) + " " + std::to_string(b.page) + " " +
                   number(b.x) + " " + number(b.y) + " " + number(b.width) + " " +
                   number(b.height) + " " + number(b.fill) + " " + quotedBytes(b.text) +
                   (l->selectedBox == &b ? " selected" : "") + "\n";
        for (const auto& [tag, bytes] : l->slugs.data)
            out += " data " + std::to_string(tag) + " " + quotedBytes(bytes) + "\n";
    }
    return out;
}

// The write-back of a project read from text: layouts get references in
// their order, and the current one is in front.
std::string writeBack(Project& p) {
    for (size_t i = 0; i < p.layouts.size(); ++i) p.layouts[i]->docRef = static_cast<int32_t>(i + 1);
    return projectFileText(p, p.layouts.at(static_cast<size_t>(p.currentLayout))->docRef);
}

void touchLabels(const Layout& l) {
    // The first and last pages are enough to reach every section format
    // and the largest numbers.
    for (int page = 1; page <= l.numPages; ++page) {
        if (page > 40 && page < l.numPages - 40) page = l.numPages - 40;
        std::string label = pageLabel(l, page);
        PLX_FUZZ_CHECK(!label.empty(), "page " + std::to_string(page) + " has no label");
        int spread = 0, place = 0;
        if (spreadOfPage(l, page, &spread, &place))
            PLX_FUZZ_CHECK(spread >= 1 && spread <= static_cast<int>(l.spreads.size()) && place >= 0,
                           "page " + std::to_string(page) + " lies on no real spread");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::unique_ptr<Project> first = parseProject(text, "Fuzz.proj", &error);
    if (!first) {
        PLX_FUZZ_CHECK(error.compare(0, 10, "Fuzz.proj:") == 0, "an error without its place: " + error);
        return 0;
    }
    PLX_FUZZ_CHECK(!first->layouts.empty(), "a project without layouts was read");
    PLX_FUZZ_CHECK(first->currentLayout >= 0 &&
                       first->currentLayout < static_cast<int>(first->layouts.size()),
                   "the current layout is not one of the layouts");
    for (const auto& l : first->layouts) touchLabels(*l);

    std::string written = writeBack(*first);
    std::unique_ptr<Project> second = parseProject(written, "Fuzz.proj", &error);
    PLX_FUZZ_CHECK(second != nullptr, "the write-back cannot be read: " + error + "\n--- written:\n" +
                                          plxfuzz::printable(written, 2000));
    std::string before = describe(*first), after = describe(*second);
    PLX_FUZZ_CHECK(before == after, "the write-back reads as another project\n--- read:\n" + before +
                                        "--- after write-back:\n" + after);
    std::string again = writeBack(*second);
    PLX_FUZZ_CHECK(again == written, "writing the project read back gives another text\n--- first:\n" +
                                         plxfuzz::printable(written, 2000) + "\n--- second:\n" +
                                         plxfuzz::printable(again, 2000));
    return 0;
}

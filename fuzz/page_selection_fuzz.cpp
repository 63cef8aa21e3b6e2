// The page-range text of the export dialog. Whatever the text, a range the
// parser accepts selects only pages 1..N of the layout (N also bounded by
// the record's page set); after folding into spreads the set stays inside
// them; the page list is the set in ascending order. Both numberings are
// fuzzed: absolute numbers, and the labels of layouts with sections.
//
// The first byte of the input chooses the layout and the numbering, the
// rest is the text. Most inputs use a small layout: looking a label up and
// folding into spreads cost time in proportion to the pages, so a long
// layout on every input would let a run try only a few hundred texts a
// second. One input in sixteen uses the long layout.
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/page_selection.h"
#include "plugin/support/myarray.h"

namespace {

// Layouts whose labels a person could type: roman, letters, prefixes with
// a hyphen and a comma, a label repeated in two sections, facing spreads.
const char* const kProject =
    "layout \"Ten\"\n pages 10\n spreads facing\n"
    "layout \"Labels\"\n pages 12\n section 1 format=i\n section 3 prefix=\"A-\"\n"
    " section 6 start=1\n section 9 format=a prefix=\",x\"\n spreads facing\n"
    "layout \"Long\"\n pages 600\n section 1 start=99990 format=I\n section 7 start=1\n"
    " section 500 prefix=\"B-\" start=5\n"
    "layout \"One\"\n pages 1\n section 1 start=3 format=A\n";
const char* const kLayouts[] = {"Ten", "Labels", "One", "Long"};
constexpr int kPagesOf[] = {10, 12, 1, 600};
constexpr int kSmallLayouts = 3; // the first three
constexpr int kLongLayout = 3;

// Which layout the mode byte chooses: its low four bits all set choose the
// long one, any other value one of the small ones.
int layoutOf(uint8_t mode) {
    int low = mode & 0x0F;
    return low == 0x0F ? kLongLayout : low % kSmallLayouts;
}

// No page of the set lies outside 1..last: the bytes past it are compared
// at once with zeros; only a failure looks for the page to name it.

bool sOpen = false;

void checkInside(const ExportData& data, const std::string& text, const char* when) {
    static const uint8_t kNone[kMaxExportPages + 1] = {};
    int last = data.numPages < kMaxExportPages ? data.numPages : kMaxExportPages;
    if (last < 0) last = 0;
    if (data.pageFlags[0] == 0 &&
        std::memcmp(data.pageFlags + last + 1, kNone, static_cast<size_t>(kMaxExportPages - last)) == 0)
        return;
    for (int p = 0; p <= kMaxExportPages; ++p)
        if (data.pageFlags[p])
            PLX_FUZZ_CHECK(p >= 1 && p <= last,
                           std::string(when) + ": page " + std::to_string(p) + " of " +
                               std::to_string(data.numPages) + " chosen by \"" +
                               plxfuzz::printable(text) + "\"");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    plxfuzz::Pieces in(bytes, size);
    uint8_t mode = in.byte();
    int layout = layoutOf(mode);
    if (!plxfuzz::pluginHost()) return 0;
    if (!sOpen) {
        if (plxfuzz::openProject(kProject) == -1) plxfuzz::fail(__FILE__, __LINE__, "no project");
        sOpen = true;
    }
    if (!plxfuzz::bringToFront(kLayouts[layout])) plxfuzz::fail(__FILE__, __LINE__, "no layout");
    std::string text = in.rest();

    static ExportData data;
    std::memset(&data, 0, sizeof data);
    data.docRef = xtGetCurDocRef();
    data.absolute = (mode & 0x10) ? 0 : 1;
    // Absolute numbers are also tried against other page counts taken from
    // the input: up to 64 pages, or up to 1000 when the mode chooses the
    // long layout (the page list grows in time quadratic in its pages).
    data.numPages = static_cast<int16_t>(kPagesOf[layout]);
    if (data.absolute && (mode & 0x20)) {
        size_t most = layout == kLongLayout ? 1000 : 64;
        data.numPages = static_cast<int16_t>(1 + (size * 37 + mode) % most);
    }

    // The parser writes into the text: a buffer of exactly its size.
    char* buffer = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    int16_t result = getPageRange1(buffer, &data);
    std::free(buffer);
    PLX_FUZZ_CHECK(result == 0 || result == -1, "getPageRange1 gave " + std::to_string(result));
    if (result != 0) return 0;
    checkInside(data, text, "parsed");

    MyArray list(10, sizeof(int32_t));
    buildPageList(data, &list);
    // checkInside has shown that no page past the layout's last is set.
    int previous = 0, count = 0;
    int last = data.numPages < kMaxExportPages ? data.numPages : kMaxExportPages;
    for (int p = 1; p <= last; ++p) count += data.pageFlags[p] == 1;
    PLX_FUZZ_CHECK(list.count() == count, "the page list is not the page set");
    for (int32_t i = 0; i < list.count(); ++i) {
        int page = list.integerValue(i);
        PLX_FUZZ_CHECK(page > previous, "the page list is not ascending");
        previous = page;
    }

    if (data.numPages == kPagesOf[layout]) {
        foldPagesIntoSpreads(&data);
        checkInside(data, text, "folded into spreads");
    }
    return 0;
}

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin/core/xt_wrappers.h"
#include "plugin/export/page_selection.h"
#include "plugin/support/myarray.h"
#include "tests/common/plugin_host.h"

using plxtest::PluginHost;

namespace {

const char* kTenPages = "layout \"Ten\"\n pages 10\n spreads facing\n";

// Labels: i, ii, A-1 … A-3 (a label with a hyphen), then 1 … 5.
const char* kLabelled = R"(
layout "Labels"
  pages 10
  section 1 format=i
  section 3 prefix="A-"
  section 6 start=1
)";

struct Selection {
    int16_t result;
    std::vector<int> pages;
};

Selection select(ExportData& data, const char* text) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "%s", text);
    Selection s;
    s.result = getPageRange1(buffer, &data);
    for (int p = 0; p <= kMaxExportPages; ++p)
        if (data.pageFlags[p]) s.pages.push_back(p);
    return s;
}

ExportData freshRecord(int16_t numPages, int16_t absolute) {
    ExportData data;
    std::memset(&data, 0, sizeof data);
    data.numPages = numPages;
    data.absolute = absolute;
    data.docRef = xtGetCurDocRef();
    return data;
}

} // namespace

TEST(ExportPageRange, AbsoluteNumbers) {
    PluginHost ph;
    ph.openProjectText(kTenPages);
    ExportData data = freshRecord(10, 1);
    using V = std::vector<int>;
    EXPECT_EQ(select(data, "1,3,5-7").pages, (V{1, 3, 5, 6, 7}));
    EXPECT_EQ(select(data, "5-999").pages, (V{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(select(data, "3 - 5").pages, (V{3, 4, 5}));
    EXPECT_EQ(select(data, "3,").pages, (V{3}));
    EXPECT_EQ(select(data, "10-10").pages, (V{10}));
    Selection empty = select(data, "");
    EXPECT_EQ(empty.result, 0);
    EXPECT_TRUE(empty.pages.empty());
    for (const char* bad : {"12", "0", "3-1", "2-", ",3", "3,,5", "-3", "x", "11-12", "99999999999"})
        EXPECT_EQ(select(data, bad).result, -1) << bad;
}

TEST(ExportPageRange, RejectedTextClearsEarlierSelection) {
    PluginHost ph;
    ph.openProjectText(kTenPages);
    ExportData data = freshRecord(10, 1);
    select(data, "1-10");
    EXPECT_EQ(select(data, "2,0").result, -1);
    // Items before the bad one stay set for this parse, but a new parse
    // always starts from an empty set.
    EXPECT_EQ(select(data, "4").pages, std::vector<int>{4});
}

TEST(ExportPageRange, PageLabels) {
    PluginHost ph;
    ph.openProjectText(kLabelled);
    ExportData data = freshRecord(10, 0);
    using V = std::vector<int>;
    EXPECT_EQ(select(data, "ii").pages, V{2});
    EXPECT_EQ(select(data, "i-1").pages, (V{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(select(data, "ii,5").pages, (V{2, 10}));
    // A label holding a hyphen reads as a range: "A-3" is from "A" to "3".
    EXPECT_EQ(select(data, "A-3").result, -1);
    EXPECT_EQ(select(data, "3").pages, V{8});
    EXPECT_EQ(select(data, "9").result, -1);
}

TEST(ExportPageRange, EveryPageOfTheLargestLayoutCanBeChosenAndListed) {
    PluginHost ph;
    ph.openProjectText("layout \"Big\"\n pages 9999\n spreads facing\n");
    ExportData data = freshRecord(9999, 1);
    using V = std::vector<int>;
    EXPECT_EQ(select(data, "2003-2004,9999").pages, (V{2003, 2004, 9999}));
    EXPECT_EQ(select(data, "9998-20000").pages, (V{9998, 9999}));
    EXPECT_EQ(select(data, "10000").result, -1);

    // All of them: the list keeps its growth in steps of 100 past 2000.
    EXPECT_EQ(select(data, "1-9999").result, 0);
    MyArray list(2000, 4);
    buildPageList(data, &list);
    ASSERT_EQ(list.count(), 9999);
    EXPECT_EQ(list.capacity(), 10000);
    EXPECT_EQ(list.integerValue(9998), 9999);
    foldPagesIntoSpreads(&data); // [9998 9999] is a spread
    EXPECT_EQ(data.pageFlags[9998], 1);
    EXPECT_EQ(data.pageFlags[9999], 0);

    data.pageFlags[0] = 0;
    setPageBit(&data, kMaxExportPages);
    setPageBit(&data, kMaxExportPages + 1); // must not write past the set
    setPageBit(&data, -5);
    clearPageBit(&data, kMaxExportPages + 1);
    EXPECT_EQ(data.pageFlags[0], 0);
    EXPECT_EQ(data.pageFlags[kMaxExportPages], 1);
}

TEST(ExportDialogTexts, InitialAndAllTexts) {
    PluginHost ph;
    ph.openProjectText(kLabelled);
    ExportData data = freshRecord(10, 1);
    data.curPage = 4;
    char text[256];
    initialPageText(data, text, sizeof text);
    EXPECT_STREQ(text, "4");
    allPagesText(data, true, text, sizeof text);
    EXPECT_STREQ(text, "1-10");
    data.absolute = 0;
    initialPageText(data, text, sizeof text);
    EXPECT_STREQ(text, "A-2");
    allPagesText(data, false, text, sizeof text);
    EXPECT_STREQ(text, "i-5");
    char small[4];
    allPagesText(data, true, small, sizeof small);
    EXPECT_STREQ(small, "1-1");

    ExportData one = freshRecord(1, 1);
    allPagesText(one, true, text, sizeof text);
    EXPECT_STREQ(text, "1-1");
}

TEST(ExportDialogTexts, LongLabelsAreCutAtACharacterNotLeftEmpty) {
    PluginHost ph;
    // Page 1 reads "Kapitel-Überblick-abcdefghijkÜ1": 30 bytes, then "Ü".
    std::string prefix = "Kapitel-\xC3\x9C" "berblick-abcdefghijk\xC3\x9C";
    ph.openProjectText("layout \"L\"\n pages 3\n section 1 prefix=\"" + prefix + "\"\n");
    ExportData data = freshRecord(3, 0);
    data.curPage = 1;
    char text[256];
    initialPageText(data, text, sizeof text);
    // 31 bytes would end inside the second "Ü": the cut stops before it.
    EXPECT_STREQ(text, "Kapitel-\xC3\x9C" "berblick-abcdefghijk");
    EXPECT_LE(std::strlen(text), 31u);
}

TEST(ExportDialogTexts, AllCutsEachLabelToItsBuffer) {
    PluginHost ph;
    std::string longPrefix(300, 'p');
    char text[256];
    ph.openProjectText("layout \"L\"\n pages 3\n section 1 prefix=\"" + longPrefix + "\"\n");
    ExportData three = freshRecord(3, 0);
    allPagesText(three, false, text, sizeof text);
    // Each label is cut to 255 bytes; the whole text to the buffer.
    EXPECT_EQ(std::string(text), std::string(255, 'p'));
    char all[512];
    allPagesText(three, false, all, sizeof all);
    EXPECT_EQ(std::string(all), std::string(255, 'p') + "-" + std::string(255, 'p'));
}

TEST(ExportPageList, FoldingIntoSpreadsKeepsEachSpreadsFirstPage) {
    PluginHost ph;
    ph.openProjectText(kTenPages); // spreads [1] [2 3] [4 5] [6 7] [8 9] [10]
    ExportData data = freshRecord(10, 1);
    auto listOf = [&](const char* text) {
        select(data, text);
        foldPagesIntoSpreads(&data);
        MyArray list(2000, 4);
        buildPageList(data, &list);
        std::vector<int> pages;
        for (int32_t i = 0; i < list.count(); ++i) pages.push_back(list.integerValue(i));
        return pages;
    };
    using V = std::vector<int>;
    EXPECT_EQ(listOf("3"), V{2});
    EXPECT_EQ(listOf("2,3"), V{2});
    EXPECT_EQ(listOf("1,5,10"), (V{1, 4, 10}));
    EXPECT_EQ(listOf("1-10"), (V{1, 2, 4, 6, 8, 10}));
    EXPECT_EQ(listOf(""), V{});
}

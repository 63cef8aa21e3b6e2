#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/host_objects.h"
#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"

using plxtest::PluginHost;

namespace {

// Two master pages, so label look-ups must skip them; sections give roman
// front matter, then numbers from 1, then a prefixed appendix.
const char* kBook = R"(
layout "Book"
  page-size 500 700
  pages 8
  master "A-Master"
  master "B-Master"
  section 1 format=i
  section 3 start=1
  section 7 start=1 format=A prefix="App-"
  spreads facing
  box 1 page=2 x=10 y=10 w=100 h=50
  box 2 page=3 x=20 y=30 w=40 h=60
  current-page 3
layout "Other"
  pages 1
current-layout "Book"
)";

} // namespace

TEST(CoreWrappers, NoDocumentOpen) {
    PluginHost ph;
    plxhost::LiveObjects before = plxhost::liveObjects();
    EXPECT_EQ(xtGetCurDocRef(), -1);
    EXPECT_EQ(xtGetCurBox(), nullptr);
    EXPECT_EQ(xtGetDocView(-1), nullptr);
    EXPECT_EQ(xtGetCurPage(-1), 0);
    char path[512] = {0};
    EXPECT_FALSE(xtGetDocPath(-1, path, sizeof path));
    EXPECT_STREQ(path, "");
    char label[32] = "untouched";
    xtGetPageStr(1, label, sizeof label);
    EXPECT_STREQ(label, "");
    EXPECT_EQ(plxhost::liveObjects(), before);
}

TEST(CoreWrappers, DocumentsProjectsAndNames) {
    PluginHost ph;
    int32_t proj = ph.openProjectText(kBook, "Book.proj");
    plxhost::LiveObjects before = plxhost::liveObjects();
    int32_t doc = xtGetCurDocRef();
    ASSERT_NE(doc, -1);
    EXPECT_EQ(ph.host().documents().front()->name, "Book");
    EXPECT_EQ(getProjectFromDocRef(doc), proj);
    EXPECT_EQ(xtNumPages(-1), 8);
    EXPECT_EQ(xtNumPages(doc), 8);
    EXPECT_EQ(xtGetCurPage(-1), 3);

    char path[512] = {0};
    EXPECT_TRUE(xtGetDocPath(-1, path, sizeof path));
    EXPECT_EQ(std::string(path), ph.host().documents().project(proj)->path);
    EXPECT_EQ(plxtest::slashed(path).substr(std::string(path).size() - 10), "/Book.proj");

    char name[256];
    EXPECT_TRUE(xtGetLayoutName(doc, name, sizeof name));
    EXPECT_STREQ(name, "Book");
    EXPECT_TRUE(xtGetProjectName(proj, name, sizeof name));
    EXPECT_STREQ(name, "Book.proj");
    // A name that does not fit is cut to the buffer.
    char tiny[4];
    EXPECT_TRUE(xtGetProjectName(proj, tiny, sizeof tiny));
    EXPECT_STREQ(tiny, "Boo");
    EXPECT_EQ(plxhost::liveObjects(), before) << "wrappers must release what the host gives";
}

TEST(CoreWrappers, UnsavedProjectAndOneCharacterPathGiveNoPath) {
    PluginHost ph;
    auto unsaved = std::make_unique<plxhost::Project>();
    unsaved->name = "Untitled";
    unsaved->layouts.push_back(std::make_unique<plxhost::Layout>());
    unsaved->layouts.back()->name = "Layout 1";
    unsaved->layouts.back()->spreads = {{1}};
    int32_t proj = ph.host().documents().addProject(std::move(unsaved));
    char path[512] = "kept";
    EXPECT_FALSE(xtGetProjectPath(proj, path, sizeof path));
    EXPECT_STREQ(path, "kept");
    EXPECT_EQ(XTGetDocFile(proj), nullptr);

    ph.host().documents().project(proj)->path = "/";
    EXPECT_FALSE(xtGetProjectPath(proj, path, sizeof path));
    EXPECT_STREQ(path, "kept");
    ph.host().documents().project(proj)->path = "/a";
    EXPECT_TRUE(xtGetProjectPath(proj, path, sizeof path));
    EXPECT_STREQ(path, "/a");
    // A buffer too small for the path is left alone.
    char small[2] = "k";
    EXPECT_FALSE(xtGetProjectPath(proj, small, sizeof small));
    EXPECT_STREQ(small, "k");
}

TEST(CoreWrappers, PageLabelsSkipTheMasterPages) {
    PluginHost ph;
    ph.openProjectText(kBook);
    char label[256];
    const char* expected[] = {"", "i", "ii", "1", "2", "3", "4", "App-A", "App-B"};
    for (int16_t p = 1; p <= 8; ++p) {
        xtGetPageStr(p, label, sizeof label);
        EXPECT_STREQ(label, expected[p]) << p;
        EXPECT_EQ(xtGetPageNum(expected[p]), p) << expected[p];
    }
    EXPECT_LE(xtGetPageNum("9"), 0);
    EXPECT_LE(xtGetPageNum(""), 0);
    EXPECT_LE(xtGetPageNum("A-Master"), 0) << "master pages are not layout pages";
    // A label that does not fit comes back cut to the buffer.
    char small[5];
    xtGetPageStr(7, small, sizeof small);
    EXPECT_STREQ(small, "App-");
    xtGetPageStr(0, label, sizeof label);
    EXPECT_STREQ(label, "B-Master") << "page 0 is the last master in the host's numbering";
    xtGetPageStr(9, label, sizeof label);
    EXPECT_STREQ(label, "");
}

TEST(CoreWrappers, SpreadsOfPages) {
    PluginHost ph;
    ph.openProjectText(kBook);
    int32_t doc = xtGetCurDocRef();
    const int16_t spreadOf[] = {0, 1, 2, 2, 3, 3, 4, 4, 5};
    for (int16_t p = 1; p <= 8; ++p) EXPECT_EQ(xtGetPageNumData(doc, p, 0).spreadNum, spreadOf[p]);
    XTHandle pages = xtGetSpreadPages(doc, 2);
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(xtmemory_funchndl->getHandleSize(pages), 4);
    int16_t list[2];
    std::memcpy(list, xtmemory_funchndl->handleData(pages), sizeof list);
    EXPECT_EQ(list[0], 2);
    EXPECT_EQ(list[1], 3);
    xtmemory_funchndl->disposeHandle(pages);
    EXPECT_EQ(xtGetSpreadPages(doc, 99), nullptr);

    // The right page of a spread lies one page width right of the left one.
    fixedrect r{0, 0, 700 * kFixedOne, 500 * kFixedOne};
    ASSERT_EQ(xtPageRectToSpread(doc, xtGetPageNumData(doc, 3, 0), &r), 0);
    EXPECT_EQ(r.left, 500 * kFixedOne);
    EXPECT_EQ(r.right, 1000 * kFixedOne);
}

TEST(CoreWrappers, CurrentBoxFollowsTheSelection) {
    PluginHost ph;
    ph.openProjectText(kBook);
    EXPECT_EQ(xtGetCurBox(), nullptr);
    int32_t doc = xtGetCurDocRef();
    ASSERT_TRUE(ph.host().documents().selectBox(doc, 2));
    boxid box = xtGetCurBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ph.host().documents().findBox(box)->id, 2);
}

TEST(CoreSlugData, LayoutHolderWithoutABoxMarksTheDocumentChanged) {
    PluginHost ph;
    int32_t proj = ph.openProjectText(kBook);
    plxhost::LiveObjects before = plxhost::liveObjects();
    char name[64] = "Default";
    ASSERT_EQ(xt_setslugdata(nullptr, kSlugLayout, kPlxId, name, sizeof name), 0);
    EXPECT_TRUE(ph.host().documents().project(proj)->changed);
    EXPECT_EQ(ph.host().documents().front()->slugs.data.at(kPlxId), std::string(name, sizeof name));
    EXPECT_EQ(plxhost::liveObjects(), before) << "the memory block is disposed of";

    char back[64];
    std::memset(back, 'x', sizeof back);
    int32_t length = sizeof back;
    xtGetLayoutSlugData(xtGetCurDocRef(), kPlxId, back, &length);
    EXPECT_EQ(length, 64);
    EXPECT_STREQ(back, "Default");

    // Nothing stored under a tag leaves the buffer as it was.
    char untouched[8] = "same";
    length = sizeof untouched;
    xtGetLayoutSlugData(xtGetCurDocRef(), XT_FOURCC('N', 'O', 'N', 'E'), untouched, &length);
    EXPECT_STREQ(untouched, "same");
}

TEST(CoreSlugData, BoxHoldersAndErrors) {
    PluginHost ph;
    int32_t proj = ph.openProjectText(kBook);
    int32_t doc = xtGetCurDocRef();
    ASSERT_TRUE(ph.host().documents().selectBox(doc, 1));
    plxhost::Box* box = ph.host().documents().currentBox();
    EXPECT_EQ(xt_setslugdata(nullptr, kSlugBox, kPlxId, "a", 2), 0);
    EXPECT_EQ(xt_setslugdata(nullptr, kSlugBoxSecond, kPlxId, "b", 2), 0);
    EXPECT_EQ(xt_setslugdata(reinterpret_cast<boxid>(box), kSlugBoxToo, kPlxId + 1, "c", 2), 0);
    const auto& holders = ph.host().documents().front()->boxSlugs.at(box);
    EXPECT_EQ(holders.own.data.at(kPlxId), std::string("a", 2));
    EXPECT_EQ(holders.text.data.at(kPlxId), std::string("b", 2));
    EXPECT_EQ(holders.own.data.at(kPlxId + 1), std::string("c", 2));

    // No memory: -108 at once, nothing shown, nothing marked.
    ph.host().documents().project(proj)->changed = false;
    plxhost::failNextAllocations(1);
    EXPECT_EQ(xt_setslugdata(nullptr, kSlugLayout, kPlxId, "x", 1), -108);
    EXPECT_FALSE(ph.host().documents().project(proj)->changed);
    EXPECT_TRUE(ph.host().errors().empty());

    // No holder (no box selected, or a kind without one): the host's error
    // is shown and returned, nothing is marked as changed.
    ph.host().documents().selectBox(doc, 0);
    EXPECT_EQ(xt_setslugdata(nullptr, kSlugBox, kPlxId, "x", 1), kXTParamErr);
    EXPECT_EQ(xt_setslugdata(nullptr, 7, kPlxId, "x", 1), kXTParamErr);
    ASSERT_EQ(ph.host().errors().size(), 2u);
    EXPECT_EQ(ph.host().errors()[0].code, kXTParamErr);
    EXPECT_FALSE(ph.host().documents().project(proj)->changed);
    EXPECT_EQ(xt_setslugdata(nullptr, kSlugLayout, kPlxId, nullptr, 4), kXTParamErr);
}

TEST(CoreWrappers, XFileHandsTheHostThePath) {
    PluginHost ph;
    plxhost::LiveObjects before = plxhost::liveObjects();
    {
        XFile file("/tmp/out/Spring_001.eps");
        ASSERT_NE(file.fileInfo, nullptr);
        EXPECT_EQ(file.fileInfo->path, "/tmp/out/Spring_001.eps");
        EXPECT_STREQ(file.path, "/tmp/out/Spring_001.eps");
    }
    std::string longPath(600, 'a');
    {
        XFile file(longPath.c_str());
        EXPECT_EQ(file.fileInfo, nullptr) << "a path past the buffer is refused, not cut";
        XFile none(nullptr);
        EXPECT_EQ(none.fileInfo, nullptr);
    }
    EXPECT_EQ(plxhost::liveObjects(), before);
}

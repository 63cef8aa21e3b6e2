#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/core/xt_wrappers.h"
#include "plugin/export/naming.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"

using plxtest::PluginHost;

using plxtest::joined;

namespace {

// Twelve pages whose labels are their numbers, except page 3 ("iv") when
// `romanThird` is set.
std::string springLayout(int pages, bool romanThird) {
    std::string text = "layout \"Spring\"\n pages " + std::to_string(pages) + "\n";
    if (romanThird) text += " section 3 start=4 format=i\n section 4 start=4\n";
    return text;
}

// The record as the export command fills it for the front layout, with the
// chosen style's naming options of the worked examples.
ExportData recordForFrontLayout() {
    ExportData data;
    std::memset(&data, 0, sizeof data);
    data.docRef = xtGetCurDocRef();
    data.numPages = xtNumPages(data.docRef);
    data.curPage = xtGetCurPage(data.docRef);
    xtGetDocPath(data.docRef, data.docPath, sizeof data.docPath);
    xtGetLayoutName(data.docRef, data.layoutName, sizeof data.layoutName);
    xtGetProjectName(getProjectFromDocRef(data.docRef), data.projectName, sizeof data.projectName);
    replaceExtension(data.projectName, "");
    data.styleData.base = 1;
    data.styleData.numbering = 2;
    std::strcpy(data.styleData.separator, "_");
    std::strcpy(data.styleData.suffix, ".eps");
    return data;
}

// The file name the job for a page gets, after the user accepted `typed`.
std::string fileFor(ExportData& data, const std::string& folder, const char* typed, int page) {
    std::snprintf(data.exportPath, sizeof data.exportPath, "%s", joined(folder, typed).c_str());
    finishExportPath(&data);
    data.curPage = static_cast<int16_t>(page);
    EXPECT_TRUE(composeJobPath(&data));
    std::string path = data.jobPath;
    EXPECT_EQ(path.compare(0, folder.size() + 1, folder + plxtest::separator()), 0) << path;
    return path.substr(folder.size() + 1);
}

class ExportNaming : public ::testing::Test {
  protected:
    void open(int pages, bool romanThird = false) {
        ph.openProjectText(springLayout(pages, romanThird), "Catalog.proj");
        folder = ph.home();
        data = recordForFrontLayout();
    }
    PluginHost ph;
    std::string folder;
    ExportData data;
};

} // namespace

TEST_F(ExportNaming, ProposalIsProjectFolderAndName) {
    open(12);
    ExportData fresh = data;
    fresh.styleData.base = 0;
    setupExportPath(&fresh);
    EXPECT_EQ(std::string(fresh.exportPath), joined(folder, "Catalog"));
}

TEST_F(ExportNaming, WorkedExamples) {
    open(12);
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 2), "Spring_002.eps");
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 3), "Spring_003.eps");
    EXPECT_EQ(std::string(data.exportPath), joined(folder, "Spring"));

    data.styleData.numberBeforeName = 1;
    std::strcpy(data.styleData.separator, "-");
    data.styleData.numbering = 0;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 2), "2-Spring.eps");

    data = recordForFrontLayout();
    data.absolute = 1;
    data.pageOffset = 100;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 2), "Spring_102.eps");

    data = recordForFrontLayout();
    data.mode = 1;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 7), "Spring.eps");

    data = recordForFrontLayout();
    data.styleData.numbering = 4;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 5), "Spring_.eps");

    data = recordForFrontLayout();
    EXPECT_EQ(fileFor(data, folder, "Spring.final", 2), "Spring_002.eps");
    EXPECT_EQ(fileFor(data, folder, "Spring.final.eps", 2), "Spring.final_002.eps");

    data = recordForFrontLayout();
    std::strcpy(data.styleData.suffix, "---");
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 2), "Spring");
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 3), "Spring");
}

TEST_F(ExportNaming, PageLabelsAreUsedVerbatim) {
    open(12, true);
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 3), "Spring_iv.eps");
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 4), "Spring_004.eps");
}

TEST_F(ExportNaming, OnePageLayoutFollowsAddAlways) {
    open(1);
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 1), "Spring_001.eps");
    setAddAlways(0);
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 1), "Spring.eps");
}

TEST_F(ExportNaming, NumberlessPagesKeepTheSeparator) {
    ph.openProjectText("layout \"Spring\"\n pages 4\n section 1 start=1 prefix=\"\"\n"
                       " section 2 start=1 format=1 prefix=\"x/y\"\n"
                       " section 3 start=1 format=i prefix=\"../\"\n",
                       "Catalog.proj");
    folder = ph.home();
    data = recordForFrontLayout();
    data.absolute = 1;
    data.pageOffset = -5;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 2), "Spring_.eps");
    // A "/" in a label would leave the chosen folder; it becomes "-".
    data = recordForFrontLayout();
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 2), "Spring_x-y1.eps");
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 3), "Spring_..-i.eps");
}

TEST_F(ExportNaming, OverlongPathIsRefusedNotCut) {
    open(12);
    std::string deep = joined(folder, "") + std::string(240, 'd');
    std::string name(240, 'n');
    std::snprintf(data.exportPath, sizeof data.exportPath, "%s", joined(deep, name).c_str());
    data.curPage = 2;
    std::strcpy(data.styleData.suffix, ".eps-with-a-long-suffix-here");
    EXPECT_FALSE(composeJobPath(&data));
    EXPECT_STREQ(data.jobPath, "");
}

TEST_F(ExportNaming, LastFolderIsProposedAndRemembered) {
    open(12);
    std::string other = joined(folder, "elsewhere");
    setUseLastFolder(1, other.c_str());
    ExportData fresh = data;
    setupExportPath(&fresh);
    EXPECT_EQ(std::string(fresh.exportPath), joined(other, "Spring"));

    std::snprintf(fresh.exportPath, sizeof fresh.exportPath, "%s",
                  joined(folder, "out/Spring.eps").c_str());
    finishExportPath(&fresh);
    char stored[512] = {0};
    EXPECT_EQ(getUseLastFolder(stored), 1);
    EXPECT_EQ(std::string(stored), joined(folder, "out"));

    setUseLastFolder(0, nullptr);
    fresh = data;
    setupExportPath(&fresh);
    EXPECT_EQ(std::string(fresh.exportPath), joined(folder, "Spring"));
}

TEST_F(ExportNaming, UnsavedProjectProposesTheDocumentsFolder) {
    auto unsaved = std::make_unique<plxhost::Project>();
    unsaved->name = "Untitled";
    unsaved->layouts.push_back(std::make_unique<plxhost::Layout>());
    unsaved->layouts.back()->name = "Layout 1";
    unsaved->layouts.back()->spreads = {{1}};
    ph.host().documents().addProject(std::move(unsaved));
    data = recordForFrontLayout();
    data.styleData.base = 0;
    setupExportPath(&data);
    char documents[512];
    ASSERT_TRUE(getDocumentsFolder(documents));
    EXPECT_EQ(std::string(data.exportPath), joined(documents, "Untitled"));
}

TEST_F(ExportNaming, OffsetNumbersDoNotWrapRound) {
    open(12);
    data.absolute = 1;
    data.pageOffset = 32767;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 1), "Spring_32768.eps");
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 12), "Spring_32779.eps");
    data.pageOffset = -32768;
    EXPECT_EQ(fileFor(data, folder, "Spring.eps", 12), "Spring_.eps");
}

TEST_F(ExportNaming, TheChosenPathUnchangedIsLoggedToo) {
    open(12);
    setLogging(1);
    std::strcpy(data.styleData.suffix, "---");
    std::snprintf(data.exportPath, sizeof data.exportPath, "%s", joined(folder, "Spring").c_str());
    data.curPage = 2;
    ASSERT_TRUE(composeJobPath(&data));
    EXPECT_EQ(std::string(data.jobPath), joined(folder, "Spring"));
    setLogging(0);
    std::string log =
        plxtest::withLF(plxtest::readFile(joined(ph.tempHome().logFolder(), "Plexmoor.txt")));
    EXPECT_NE(log.find(": exportPath: " + joined(folder, "Spring") + "\n"), std::string::npos) << log;
}

TEST_F(ExportNaming, ALongLayoutNameIsCutNotEmptied) {
    std::string name = std::string(254, 'n') + "\xC3\xA9" + "tail"; // é straddles byte 255
    ph.openProjectText("layout \"" + name + "\"\n pages 2\n", "Catalog.proj");
    folder = ph.home();
    data = recordForFrontLayout();
    EXPECT_EQ(std::string(data.layoutName), std::string(254, 'n'));
    EXPECT_EQ(fileFor(data, folder, (std::string(data.layoutName) + ".eps").c_str(), 2),
              std::string(254, 'n') + "_002.eps");
}

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_data.h"
#include "plugin/export/page_selection.h"
#include "plugin/settings/prefs.h"
#include "plugin/settings/settings_store.h"
#include "plugin/styles/style_data.h"
#include "plugin/support/paths.h"
#include "xt/xtcallbacks.h"
#include "tests/common/native_text.h"
#include "tests/common/output_check.h"
#include "tests/common/plugin_host.h"

using plxtest::Box4;
using plxtest::PluginHost;

using plxtest::withLineEnds;

namespace {

const char* kFacing = R"(
layout "Spring"
  page-size 612 792
  pages 6
  spreads facing
  box 1 page=1 x=54 y=54 w=504 h=180 text="Open house" fill=0.8
  box 2 page=3 x=100 y=200 w=50 h=60
)";

// Runs one page of an export the way the run does: the record filled,
// `exporting` set around the host's output call.
class PrintHooks : public ::testing::Test {
  protected:
    void SetUp() override {
        ph.openProjectText(kFacing, "Catalog.proj");
        std::memset(&sExportData, 0, sizeof sExportData);
        sExportData.docRef = xtGetCurDocRef();
        sExportData.numPages = xtNumPages(-1);
        std::strcpy(sExportData.layoutName, "Spring");
        std::snprintf(sExportData.exportPath, sizeof sExportData.exportPath, "%s/Spring",
                      ph.home().c_str());
    }
    void TearDown() override { sExportData.exporting = 0; }

    void useStyle(const char* name) {
        std::snprintf(sExportData.styleName, sizeof sExportData.styleName, "%s", name);
        sExportData.styleRef = styleRefForName(name);
        sExportData.medium = outputMediaForStyle(sExportData.styleRef);
        sExportData.styleData = styleDataForStyle(sExportData.styleRef);
        sExportData.spreads = spreadsForStyle(sExportData.styleRef, sExportData.medium) ? 1 : 0;
    }

    int32_t exportPage(int page, int16_t mode = 0) {
        sExportData.mode = mode;
        sExportData.curPage = static_cast<int16_t>(page);
        if (mode == 1) sExportData.box = xtGetCurBox();
        sExportData.exporting = 1;
        int32_t result =
            xtprint_funchndl->outputLayout(sExportData.docRef, sExportData.medium, 0xD81);
        sExportData.exporting = 0;
        return result;
    }

    std::string file(const std::string& name) { return ph.home() + "/" + name; }

    PluginHost ph;
};

void expectBox(const Box4& box, double x1, double y1, double x2, double y2, double tolerance) {
    EXPECT_NEAR(box.x1, x1, tolerance);
    EXPECT_NEAR(box.y1, y1, tolerance);
    EXPECT_NEAR(box.x2, x2, tolerance);
    EXPECT_NEAR(box.y2, y2, tolerance);
}

} // namespace

TEST_F(PrintHooks, EpsPageIsNamedAndCarriesTheProductCommentAndFrame) {
    useStyle("Default EPS");
    sExportData.styleData.pageMargins = 1;
    ASSERT_EQ(exportPage(1), 0) << (ph.host().errors().empty() ? "" : ph.host().errors()[0].text);
    std::string eps = file("Spring_001.eps");
    std::string text = plxtest::readFile(eps);
    ASSERT_FALSE(text.empty()) << "no file at " << eps;
    EXPECT_NE(text.find(withLineEnds("%%Plexmoor: 6.72\n")), std::string::npos);
    EXPECT_NE(text.find(withLineEnds("\tgsave 0 setgray 0.250000 setlinewidth 0.875 0.875 612.250 "
                                     "792.250 rectstroke grestore\n\n")),
              std::string::npos);
    EXPECT_EQ(text.find("CropBox"), std::string::npos);
    Box4 declared, measured;
    ASSERT_TRUE(plxtest::declaredBox(eps, "%%HiResBoundingBox", &declared));
    expectBox(declared, 0, 0, 612, 792, 0.001);
    if (!plxtest::posixSystem()) GTEST_SKIP() << "Ghostscript measures the page: none on Windows here";
    ASSERT_TRUE(plxtest::measuredBoundingBox(eps, &measured));
    EXPECT_GE(measured.x1, 0);
    EXPECT_LE(measured.x2, 612.01);
}

TEST_F(PrintHooks, SpreadJobIsTwoPagesWide) {
    OutputStyleRef style = nullptr;
    std::string error;
    ASSERT_EQ(ph.host().styles().create("Spreads EPS", kXTMediumEPS, &style, &error), 0) << error;
    ASSERT_EQ(ph.host().styles().setSpreads(style, true), 0);
    useStyle("Spreads EPS");
    ASSERT_EQ(sExportData.spreads, 1);
    ASSERT_EQ(exportPage(4), 0) << (ph.host().errors().empty() ? "" : ph.host().errors()[0].text);
    EXPECT_EQ(ph.host().printEngine().lastJob().first, 4);
    EXPECT_EQ(ph.host().printEngine().lastJob().last, 5);
    Box4 declared;
    ASSERT_TRUE(plxtest::declaredBox(file("Spring_004.eps"), "%%HiResBoundingBox", &declared));
    expectBox(declared, 0, 0, 1224, 792, 0.001);
}

TEST_F(PrintHooks, PdfBoxExportCropsToTheBox) {
    useStyle("Default PDF");
    ASSERT_TRUE(ph.host().documents().selectBox(sExportData.docRef, 1));
    ASSERT_EQ(exportPage(1, 1), 0) << (ph.host().errors().empty() ? "" : ph.host().errors()[0].text);
    std::string pdf = file("Spring.pdf");
    Box4 crop, media;
    ASSERT_TRUE(plxtest::pdfBox(pdf, "CropBox", &crop)) << plxtest::runCommand("pdfinfo -box " + pdf);
    // The box: 54 from the left and top, 504 x 180, on a 612 x 792 page.
    expectBox(crop, 54, 792 - 234, 558, 792 - 54, 0.01);
    ASSERT_TRUE(plxtest::pdfBox(pdf, "MediaBox", &media));
    expectBox(media, 0, 0, 612, 792, 0.01);
    int status = 0;
    plxtest::runCommand("qpdf --check '" + pdf + "'", &status);
    EXPECT_EQ(status, 0);
}

TEST_F(PrintHooks, EpsBoxExportSetsTheAreaAndNoCropBox) {
    useStyle("Default EPS");
    ASSERT_TRUE(ph.host().documents().selectBox(sExportData.docRef, 2));
    ASSERT_EQ(exportPage(3, 1), 0) << (ph.host().errors().empty() ? "" : ph.host().errors()[0].text);
    std::string text = plxtest::readFile(file("Spring.eps"));
    EXPECT_EQ(text.find("CropBox"), std::string::npos);
    Box4 declared;
    ASSERT_TRUE(plxtest::declaredBox(file("Spring.eps"), "%%HiResBoundingBox", &declared));
    EXPECT_NEAR(declared.x2 - declared.x1, 50, 0.01);
    EXPECT_NEAR(declared.y2 - declared.y1, 60, 0.01);
}

TEST_F(PrintHooks, ProcessColourCommentNeedsThePreferenceAndTheFlag) {
    useStyle("Default EPS");
    getPrefs().set("General", "AddBlack", 1);
    ASSERT_EQ(exportPage(1), 0);
    std::string text = plxtest::readFile(file("Spring_001.eps"));
    EXPECT_EQ(text.find("%%DocumentProcessColors: Black"), std::string::npos);

    ph.host().printEngine().options().processColors = true;
    ASSERT_EQ(exportPage(2), 0);
    text = plxtest::readFile(file("Spring_002.eps"));
    EXPECT_NE(text.find(withLineEnds("%%DocumentProcessColors: Black\n")), std::string::npos);

    // Output the plug-in does not run (another plug-in names the file
    // here) gets the colour comment, never the product comment.
    static std::string other;
    other = file("other.eps");
    ph.host().setupRecord()->registerCallback(
        kXTCBJobInfo,
        [](void*) -> int32_t {
            if (!exportWorking()) {
                XFile out(other.c_str());
                xtprint_funchndl->setJobOutputFile(out.fileInfo);
            }
            return 0;
        },
        5, 300, 0);
    ASSERT_EQ(xtprint_funchndl->outputLayout(sExportData.docRef, kXTMediumEPS, 0), 0);
    text = plxtest::readFile(other);
    EXPECT_NE(text.find(withLineEnds("%%DocumentProcessColors: Black\n")), std::string::npos);
    EXPECT_EQ(text.find("%%Plexmoor"), std::string::npos);
}

TEST_F(PrintHooks, MissingStyleIsReportedAndTheFileStillNamed) {
    useStyle("Default EPS");
    std::strcpy(sExportData.styleName, "Gone");
    ASSERT_EQ(exportPage(2), 0);
    ASSERT_FALSE(ph.host().errors().empty());
    EXPECT_EQ(ph.host().errors()[0].code, static_cast<int16_t>(kXTNotFoundErr));
    EXPECT_FALSE(plxtest::readFile(file("Spring_002.eps")).empty());
}

TEST_F(PrintHooks, IdleOutsideAnExport) {
    useStyle("Default EPS");
    sExportData.exporting = 0;
    sExportData.curPage = 1;
    // Without the plug-in the job gets no file: the host says so.
    EXPECT_NE(xtprint_funchndl->outputLayout(sExportData.docRef, kXTMediumEPS, 0), 0);
    EXPECT_STREQ(sExportData.jobPath, "");
}

TEST(PrintHooksBounds, AWideSpreadStopsAtTheLargestFrameInsteadOfWrapping) {
    PluginHost ph;
    ph.openProjectText("layout \"Wide\"\n page-size 16000 400\n pages 3\n spread 1 2 3\n",
                       "Wide.proj");
    OutputStyleRef style = nullptr;
    std::string error;
    ASSERT_EQ(ph.host().styles().create("Spreads EPS", kXTMediumEPS, &style, &error), 0) << error;
    ASSERT_EQ(ph.host().styles().setSpreads(style, true), 0);
    std::memset(&sExportData, 0, sizeof sExportData);
    sExportData.docRef = xtGetCurDocRef();
    sExportData.numPages = 3;
    std::snprintf(sExportData.exportPath, sizeof sExportData.exportPath, "%s/Wide",
                  ph.home().c_str());
    std::strcpy(sExportData.styleName, "Spreads EPS");
    sExportData.styleRef = style;
    sExportData.medium = kXTMediumEPS;
    sExportData.spreads = 1;
    sExportData.curPage = 1;
    sExportData.exporting = 1;
    xtprint_funchndl->outputLayout(sExportData.docRef, sExportData.medium, 0xD81);
    sExportData.exporting = 0;
    // Three pages of 16000 points pass the 32767 points a 16.16 value holds.
    EXPECT_EQ(sExportData.bounds.left, 65536);
    EXPECT_EQ(sExportData.bounds.right, INT32_MAX);
    EXPECT_EQ(sExportData.bounds.bottom, 401 * 65536);
}

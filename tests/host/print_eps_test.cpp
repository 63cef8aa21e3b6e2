// The print engine's EPS output through the print group, checked with
// Ghostscript's bbox device.
#include <gtest/gtest.h>

#include <filesystem>


#include <fstream>

#include "host/host_objects.h"
#include "tests/host/print_kit.h"

using namespace plxtest;

namespace {

const char* const kFlyer = "layout \"Flyer\"\n page-size 612 792\n pages 1\n"
                           " box 1 x=54 y=54 w=504 h=180 text=\"Open (house) \\\\ caf\xC3\xA9\" "
                           "fill=0.8 selected\n";

const char* const kFacing = "layout \"Book\"\n page-size 300 400\n pages 5\n spreads facing\n"
                            " box 1 page=2 x=10 y=10 w=100 h=50 text=\"Left page\"\n"
                            " box 2 page=3 x=10 y=10 w=100 h=50 text=\"Right page\" selected\n"
                            " current-page 2\n";

// The bounding box of the marks Ghostscript's bbox device measures for a
// file, moved by 10 points on both axes so that marks left of or below the
// origin are measured too.
std::vector<double> measuredBox(const std::string& path) {
    RunResult r = run("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox -c '10 10 translate' -f '" +
                      path + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    return numbersAfter(r.output, "%%HiResBoundingBox:");
}

void expectBox(const std::vector<double>& box, double x1, double y1, double x2, double y2) {
    ASSERT_EQ(box.size(), 4u);
    EXPECT_NEAR(box[0] - 10, x1, 0.05);
    EXPECT_NEAR(box[1] - 10, y1, 0.05);
    EXPECT_NEAR(box[2] - 10, x2, 0.05);
    EXPECT_NEAR(box[3] - 10, y2, 0.05);
}

class HostPrintEps : public ::testing::Test {
  protected:
    void SetUp() override {
        out_ = h_.file("out");
        ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(out_)));
    }
    PrintHost h_;
    std::string out_;
};

} // namespace

TEST_F(HostPrintEps, PageIsDscEpsWithTheCallbacksInPlaceAndGhostscriptMeasuresThePage) {
    h_.open(kFlyer);
    testJob().outputFile = out_ + "/flyer.eps";
    testJob().commentText = "%%PlugInComment: yes\n";
    testJob().pageText = "% page addition\n";
    plxhost::LiveObjects before = plxhost::liveObjects();
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_TRUE(h_.host().errors().empty());
    EXPECT_EQ(plxhost::liveObjects(), before);

    std::string eps = readFile(testJob().outputFile);
    EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0\n", 0), 0u);
    EXPECT_NE(eps.find("\n%%BoundingBox: 0 0 612 792\n"), std::string::npos);
    EXPECT_NE(eps.find("\n%%HiResBoundingBox: 0 0 612.000 792.000\n"), std::string::npos);
    EXPECT_NE(eps.find("\n%%Pages: 1\n"), std::string::npos);
    EXPECT_NE(eps.find("\n%%EOF\n"), std::string::npos);
    // 145 among the header comments, 155 after the coordinate system.
    size_t comment = eps.find("%%PlugInComment: yes");
    EXPECT_LT(eps.find("%%BoundingBox"), comment);
    EXPECT_LT(comment, eps.find("%%EndComments"));
    size_t page = eps.find("% page addition");
    EXPECT_LT(eps.find("] concat"), page);
    EXPECT_LT(page, eps.find("plxframe\n"));
    // Box text in a standard font, escaped for PostScript and in Latin-1.
    EXPECT_NE(eps.find("(Open \\(house\\) \\\\ caf\\351)"), std::string::npos);
    EXPECT_NE(eps.find("%%DocumentNeededResources: font Helvetica"), std::string::npos);

    EXPECT_EQ(seen().jobInfo, 1);
    EXPECT_EQ(seen().comments, 1);
    EXPECT_EQ(seen().selectors, std::vector<int32_t>{1});
    EXPECT_EQ(seen().pageNumbers, std::vector<int16_t>{1});
    EXPECT_EQ(seen().writeDuringJobInfo, kXTParamErr); // no stream yet
    // The filled box, 54 points in from the top left of the page.
    expectBox(measuredBox(testJob().outputFile), 54, 792 - 234, 558, 792 - 54);
    EXPECT_TRUE(hiddenFiles(out_).empty());
}

TEST_F(HostPrintEps, PlugInBoundsDescribeThePageSoItsFrameLiesJustOutside) {
    h_.open(kFlyer);
    testJob().outputFile = out_ + "/framed.eps";
    testJob().pageFrame = true;
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    std::string eps = readFile(testJob().outputFile);
    EXPECT_NE(eps.find("0.250000 setlinewidth 0.875 0.875 612.250 792.250 rectstroke"),
              std::string::npos);
    // A 0.25-point line whose inner edge is the page edge.
    expectBox(measuredBox(testJob().outputFile), -0.25, -0.25, 612.25, 792.25);
}

TEST_F(HostPrintEps, BoxExportTakesTheBoxAsOutputArea) {
    h_.open(kFacing);
    testJob().outputFile = out_ + "/box.eps";
    testJob().first = testJob().last = 3;
    testJob().areaFromBox = true;
    plxhost::LiveObjects before = plxhost::liveObjects();
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_EQ(plxhost::liveObjects(), before); // the shape was disposed of
    std::string eps = readFile(testJob().outputFile);
    EXPECT_NE(eps.find("\n%%BoundingBox: 0 0 100 50\n"), std::string::npos);
    EXPECT_NE(eps.find("(Right page)"), std::string::npos);
    // Page 3 is the right page of its spread: its box starts a page width in.
    EXPECT_NE(eps.find("[1 0 0 -1 -311.000 61.000] concat"), std::string::npos);
    expectBox(measuredBox(testJob().outputFile), 0, 0, 100, 50);
}

TEST_F(HostPrintEps, SpreadJobDrawsItsPagesSideBySide) {
    h_.open(kFacing);
    testJob().outputFile = out_ + "/spread.eps";
    testJob().first = 2;
    testJob().last = 3;
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    std::string eps = readFile(testJob().outputFile);
    EXPECT_NE(eps.find("\n%%BoundingBox: 0 0 600 400\n"), std::string::npos);
    EXPECT_LT(eps.find("(Left page)"), eps.find("(Right page)"));
    EXPECT_EQ(seen().pageNumbers, std::vector<int16_t>{2});
    expectBox(measuredBox(testJob().outputFile), 10, 340, 410, 390);
}

TEST_F(HostPrintEps, RangeAndAreaAreChecked) {
    h_.open(kFacing);
    // A range over two spreads cannot be one EPS page.
    testJob().outputFile = out_ + "/two.eps";
    testJob().first = 3;
    testJob().last = 4;
    EXPECT_EQ(h_.output(kXTMediumEPS), kXTParamErr);
    ASSERT_EQ(h_.host().errors().size(), 1u);
    EXPECT_NE(h_.host().errors()[0].text.find("lie on 2 spreads"), std::string::npos);
    EXPECT_FALSE(std::ifstream(testJob().outputFile).good());

    // An invalid range is refused by the group and the default page stays.
    h_.host().clearErrors();
    testJob().first = 5;
    testJob().last = 3;
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_EQ(h_.engine().lastJob().first, 2);
    EXPECT_EQ(h_.engine().lastJob().last, 2);

    // Outside job info the print group changes nothing.
    EXPECT_EQ(h_.kit().print->setJobPageRange(0, 0, 1, 1), kXTParamErr);
    EXPECT_EQ(h_.kit().utility->psWrite("x", 1), kXTParamErr);
    XTPrintSetupRec setup;
    EXPECT_EQ(h_.kit().print->getPrintSetup(&setup, sizeof setup), kXTParamErr);
}

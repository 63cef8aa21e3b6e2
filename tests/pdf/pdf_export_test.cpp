// PDF documents exported through plexmoor export, end to end: every page
// comes out named by its label, with its own size, its own text and its own
// look (rendered beside the source page), as PDF and as EPS; facing pages
// come out as spreads; a page Ghostscript cannot draw is reported by name
// while the other pages are written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/common/cli_run.h"
#include "tests/common/output_check.h"
#include "tests/common/page_render.h"
#include "tests/common/pdf_maker.h"
#include "tests/common/plugin_host.h"
#include "tests/common/temp_dir.h"

using plxtest::PdfDocumentPlan;
using plxtest::PdfPage;
using plxtest::runCommand;
using plxtest::runPlexmoor;
using plxtest::shellQuoted;

namespace {

// Pages of every kind the reader knows: labels roman, decimal, with a
// prefix and prefix only; letter, landscape, turned, cropped, cropped and
// turned, and a page with a fine image.
PdfDocumentPlan mixedDocument() {
    PdfDocumentPlan plan;
    plan.pages = {PdfPage{612, 792, "", 0, "Preface page", false},
                  PdfPage{842, 595, "", 0, "Contents landscape", false},
                  PdfPage{612, 792, "", 90, "Turned page", false},
                  PdfPage{612, 792, "[50 100 350 500]", 0, "Cropped page", true},
                  PdfPage{612, 792, "[50 100 350 500]", 270, "Cropped turned", false},
                  PdfPage{400, 400, "", 180, "Back cover", false}};
    plan.pageLabels = "0 << /S /r >> 2 << /S /D >> 4 << /S /D /P (A-) >> 5 << /P (Back) >>";
    return plan;
}

const char* const kLabels[] = {"i", "ii", "001", "002", "A-1", "Back"};

class PdfExport : public ::testing::Test {
  protected:
    void SetUp() override {
        out = home.file("out");
        std::filesystem::create_directories(out);
    }
    std::string write(const std::string& name, const PdfDocumentPlan& plan) {
        std::string path = home.file(name);
        EXPECT_TRUE(plxtest::writeFile(path, plxtest::makePdf(plan)));
        return path;
    }
    static std::string text(const std::string& pdf, int page) {
        std::string n = std::to_string(page);
        return runCommand("pdftotext -f " + n + " -l " + n + " " + shellQuoted(pdf) + " -");
    }
    static std::string pageSize(const std::string& pdf) {
        std::string info = runCommand("pdfinfo " + shellQuoted(pdf));
        size_t at = info.find("Page size:");
        return at == std::string::npos ? info : info.substr(at, info.find(" pts", at) - at);
    }
    // The output page looks like the source page.
    static void expectLooksLike(const std::string& output, int outputPage,
                                const std::string& source, int sourcePage) {
        plxtest::GrayImage a, b;
        ASSERT_TRUE(plxtest::renderPdfPage(output, outputPage, &a)) << output;
        ASSERT_TRUE(plxtest::renderPdfPage(source, sourcePage, &b)) << source;
        EXPECT_EQ(a.width, b.width) << output;
        EXPECT_EQ(a.height, b.height) << output;
        EXPECT_LT(plxtest::differingShare(a, b, 64), 0.01) << output << " against page "
                                                           << sourcePage;
    }
    plxtest::TempHome home;
    std::string out;
};

} // namespace

TEST_F(PdfExport, PdfPagesKeepNamesSizesTextLookAndImages) {
    std::string source = write("Book.pdf", mixedDocument());
    plxtest::CliResult r = runPlexmoor("export " + shellQuoted(source) +
                                       " --all --style \"Default PDF\" --to " +
                                       shellQuoted(out + "/Book.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    const char* sizes[] = {"612 x 792", "842 x 595", "792 x 612",
                           "300 x 400", "400 x 300", "400 x 400"};
    for (int i = 0; i < 6; ++i) {
        std::string file = out + "/Book_" + kLabels[i] + ".pdf";
        ASSERT_TRUE(std::filesystem::exists(file)) << file << "\n" << r.out;
        int status = -1;
        std::string check = runCommand("qpdf --check " + shellQuoted(file), &status);
        EXPECT_EQ(status, 0) << check;
        EXPECT_NE(pageSize(file).find(sizes[i]), std::string::npos) << file << ": "
                                                                    << pageSize(file);
        EXPECT_EQ(text(file, 1), text(source, i + 1)) << file;
        expectLooksLike(file, 1, source, i + 1);
    }
    // Text stays text in an embedded font, and the image keeps its pixels.
    std::string fonts = runCommand("pdffonts " + shellQuoted(out + "/Book_002.pdf"));
    EXPECT_NE(fonts.find(" yes "), std::string::npos) << fonts;
    std::string images = runCommand("pdfimages -list " + shellQuoted(out + "/Book_002.pdf"));
    EXPECT_NE(images.find("   64    64  gray"), std::string::npos) << images;
}

TEST_F(PdfExport, EpsPagesHaveThePageSizeAndTheSourceContent) {
    std::string source = write("Book.pdf", mixedDocument());
    plxtest::CliResult r = runPlexmoor("export " + shellQuoted(source) +
                                       " --absolute --pages 2-5 --style \"Default EPS\" --to " +
                                       shellQuoted(out + "/Book.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    struct Case {
        int page;
        double width, height;
    } cases[] = {{2, 842, 595}, {3, 792, 612}, {4, 300, 400}, {5, 400, 300}};
    for (const Case& c : cases) {
        std::string file = out + "/Book_00" + std::to_string(c.page) + ".eps";
        plxtest::Box4 declared, measured;
        ASSERT_TRUE(plxtest::declaredBox(file, "%%HiResBoundingBox", &declared)) << file;
        EXPECT_DOUBLE_EQ(declared.x2, c.width) << file;
        EXPECT_DOUBLE_EQ(declared.y2, c.height) << file;
        ASSERT_TRUE(plxtest::measuredBoundingBox(file, &measured)) << file;
        EXPECT_GE(measured.x1, -0.5) << file;
        EXPECT_GE(measured.y1, -0.5) << file;
        EXPECT_LE(measured.x2, c.width + 0.5) << file;
        EXPECT_LE(measured.y2, c.height + 0.5) << file;
        EXPECT_NE(plxtest::readFile(file).find("\n%%Plexmoor: "), std::string::npos) << file;
        // Drawn into a PDF of the EPS's own size, it looks like the page.
        std::string pdf = file + ".pdf";
        int status = -1;
        std::string said = runCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -dAutoRotatePages=/None "
                                      "-sDEVICE=pdfwrite -o " +
                                          shellQuoted(pdf) + " " + shellQuoted(file),
                                      &status);
        ASSERT_EQ(status, 0) << said;
        expectLooksLike(pdf, 1, source, c.page);
        EXPECT_EQ(text(pdf, 1), text(source, c.page)) << file;
    }
}

TEST_F(PdfExport, FacingPagesBecomeSpreadsSideBySide) {
    PdfDocumentPlan plan;
    plan.pages = {PdfPage{300, 400, "", 0, "Title", false},
                  PdfPage{300, 400, "", 0, "Left", false},
                  PdfPage{300, 400, "", 0, "Right", false}};
    plan.pageLayout = "TwoPageRight";
    std::string source = write("Facing.pdf", plan);
    plxtest::CliResult r = runPlexmoor("style Spreads --medium pdf --spreads on");
    ASSERT_EQ(r.status, 0) << r.err;
    r = runPlexmoor("export " + shellQuoted(source) + " --all --style Spreads --to " +
                    shellQuoted(out + "/Facing.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::string single = out + "/Facing_001.pdf", spread = out + "/Facing_002.pdf";
    EXPECT_NE(pageSize(single).find("300 x 400"), std::string::npos) << pageSize(single);
    EXPECT_NE(pageSize(spread).find("600 x 400"), std::string::npos) << pageSize(spread);
    std::string both = text(spread, 1);
    EXPECT_NE(both.find("Left"), std::string::npos) << both;
    EXPECT_NE(both.find("Right"), std::string::npos) << both;
    // The right page lies right of the left one.
    plxtest::GrayImage image;
    ASSERT_TRUE(plxtest::renderPdfPage(spread, 1, &image));
    auto inkIn = [&](int from, int to) {
        int ink = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = from; x < to; ++x)
                if (image.pixels[static_cast<size_t>(y * image.width + x)] < 128) ++ink;
        return ink;
    };
    EXPECT_GT(inkIn(0, 300), 1000);
    EXPECT_GT(inkIn(300, 600), 1000);
}

TEST_F(PdfExport, APageGhostscriptCannotDrawIsReportedAndTheRunGoesOn) {
    PdfDocumentPlan plan;
    plan.pages = {PdfPage{300, 400, "", 0, "One", false}, PdfPage{300, 400, "", 0, "Two", false},
                  PdfPage{300, 400, "", 0, "Three", false}};
    std::string bytes = plxtest::makePdf(plan);
    // Page 2's content stream claims to be compressed, which it is not.
    size_t second = bytes.find("(Two)");
    size_t dict = bytes.rfind("<< /Length", second);
    bytes.insert(bytes.find(" >>", dict), " /Filter /FlateDecode");
    std::string source = home.file("Damaged.pdf");
    ASSERT_TRUE(plxtest::writeFile(source, bytes));
    for (const char* medium : {"pdf", "eps"}) {
        std::string style = std::string("\"Default ") + (medium[0] == 'p' ? "PDF" : "EPS") + "\"";
        plxtest::CliResult r = runPlexmoor("export " + shellQuoted(source) + " --all --style " +
                                           style + " --to " +
                                           shellQuoted(out + "/Damaged." + medium));
        EXPECT_EQ(r.status, 3) << r.err;
        EXPECT_NE(r.err.find(source + ", page 2: "), std::string::npos) << r.err;
        EXPECT_TRUE(std::filesystem::exists(out + "/Damaged_001." + medium)) << r.out;
        EXPECT_FALSE(std::filesystem::exists(out + "/Damaged_002." + medium)) << r.out;
        EXPECT_TRUE(std::filesystem::exists(out + "/Damaged_003." + medium)) << r.out;
    }
}

TEST_F(PdfExport, ADrawnLayoutsPageCanShowAPdfPage) {
    PdfDocumentPlan plan;
    plan.pages = {PdfPage{300, 400, "", 0, "Cover art", false},
                  PdfPage{300, 400, "", 90, "Turned art", false}};
    write("Art.pdf", plan);
    std::string project = home.file("Mix.proj");
    ASSERT_TRUE(plxtest::writeFile(project, "layout \"Mix\"\n  page-size 400 500\n  pages 3\n"
                                            "  page-source 2 \"Art.pdf\" 1\n"
                                            "  page-source 3 \"Art.pdf\" 2\n"
                                            "  box 1 page=2 x=20 y=200 w=200 h=60 text=\"On top\"\n"));
    plxtest::CliResult r = runPlexmoor("export " + shellQuoted(project) +
                                       " --all --style \"Default PDF\" --to " +
                                       shellQuoted(out + "/Mix.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::string second = text(out + "/Mix_002.pdf", 1);
    EXPECT_NE(second.find("Cover art"), std::string::npos) << second;
    EXPECT_NE(second.find("On top"), std::string::npos) << second;
    EXPECT_NE(text(out + "/Mix_003.pdf", 1).find("Turned art"), std::string::npos);
    EXPECT_EQ(text(out + "/Mix_001.pdf", 1).find("art"), std::string::npos);
    // The source page sits at the page's top-left corner, at its own size.
    plxtest::GrayImage page, art;
    ASSERT_TRUE(plxtest::renderPdfPage(out + "/Mix_002.pdf", 1, &page));
    ASSERT_TRUE(plxtest::renderPdfPage(home.file("Art.pdf"), 1, &art));
    int differing = 0;
    for (int y = 0; y < 190; ++y) // above the box
        for (int x = 0; x < art.width; ++x)
            if (std::abs(page.pixels[static_cast<size_t>(y * page.width + x)] -
                         art.pixels[static_cast<size_t>(y * art.width + x)]) > 64)
                ++differing;
    EXPECT_LT(differing, 100);

    struct Case {
        const char* line;
        const char* message;
    } cases[] = {{"page-source 2 \"Missing.pdf\" 1", "Mix.proj:4: "},
                 {"page-source 2 \"Art.pdf\" 3", "Art.pdf has 2 pages, not a page 3"},
                 {"page-source 4 \"Art.pdf\" 1", "Mix.proj:4: the page source is for page 4"},
                 {"page-source 2 \"Art.pdf\"", "Mix.proj:4: \"page-source\" takes 3 values"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(plxtest::writeFile(project, std::string("layout \"Mix\"\n  page-size 400 500\n"
                                                            "  pages 3\n  ") +
                                                    c.line + "\n"));
        r = runPlexmoor("info " + shellQuoted(project));
        EXPECT_EQ(r.status, 1) << c.line;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.line << ": " << r.err;
    }
}

// PDF documents opened as layouts, seen through plexmoor info: page sizes
// from the boxes and rotation, labels of every style, spreads from the page
// layout, and the refusals of files that cannot be shown.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/pdf_document.h"
#include "tests/common/cli_run.h"
#include "tests/common/pdf_maker.h"
#include "tests/common/plugin_host.h"
#include "tests/common/temp_dir.h"

using plxtest::PdfDocumentPlan;
using plxtest::PdfPage;
using plxtest::runPlexmoor;
using plxtest::shellQuoted;

namespace {

class PdfOpen : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        std::string path = home.file(name);
        EXPECT_TRUE(plxtest::writeFile(path, bytes));
        return path;
    }
    plxtest::CliResult info(const std::string& path) {
        return runPlexmoor("info " + shellQuoted(path));
    }
    static PdfDocumentPlan pages(int n) {
        PdfDocumentPlan plan;
        for (int i = 1; i <= n; ++i) plan.pages.push_back(PdfPage{612, 792, "", 0, "p" + std::to_string(i)});
        return plan;
    }
    plxtest::TempHome home;
};

} // namespace

TEST_F(PdfOpen, LabelsOfEveryStyleWithPrefixesAndStarts) {
    PdfDocumentPlan plan = pages(14);
    plan.pageLabels = "0 << /S /r >> 3 << /S /R /St 4 >> 5 << /S /D >> 7 << /S /D /P (A-) /St 9 >> "
                      "9 << /S /a /St 26 >> 11 << /S /A >> 12 << /P (Cover) >> 13 << /S /D >>";
    std::string path = write("Book.pdf", plxtest::makePdf(plan));
    plxtest::CliResult r = info(path);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("project \"Book.pdf\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("layout \"Book\" (front): 14 pages of 612 x 792 pt, 0 master pages"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("pages: 1=i 2=ii 3=iii 4=IV 5=V 6=1 7=2 8=A-9 9=A-10 10=z 11=aa 12=A "
                         "13=Cover 14=1\n"),
              std::string::npos)
        << r.out;
    // Without /PageLayout every page is a spread of its own.
    EXPECT_NE(r.out.find("spreads: [1] [2] [3]"), std::string::npos) << r.out;
}

TEST_F(PdfOpen, LabelsStartingPastTheFirstPageLeaveTheFrontNumbered) {
    PdfDocumentPlan plan = pages(4);
    plan.pageLabels = "2 << /S /r >>";
    plxtest::CliResult r = info(write("late.pdf", plxtest::makePdf(plan)));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("pages: 1=1 2=2 3=i 4=ii\n"), std::string::npos) << r.out;
}

TEST_F(PdfOpen, PagesKeepTheirOwnSizesFromCropBoxAndRotation) {
    PdfDocumentPlan plan;
    plan.pages = {PdfPage{612, 792, "", 0, "letter"},
                  PdfPage{842, 595, "", 0, "landscape"},
                  PdfPage{612, 792, "", 90, "turned"},
                  PdfPage{612, 792, "[50 100 350 500]", 0, "cropped"},
                  PdfPage{612, 792, "[50 100 350 500]", -90, "both"}};
    plxtest::CliResult r = info(write("mixed.pdf", plxtest::makePdf(plan)));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("page sizes: 1=612x792 2=842x595 3=792x612 4=300x400 5=400x300\n"),
              std::string::npos)
        << r.out;
}

TEST_F(PdfOpen, SpreadsFollowThePageLayout) {
    struct Case {
        const char* layout;
        const char* spreads;
    } cases[] = {{"TwoPageRight", "spreads: [1] [2 3] [4 5]\n"},
                 {"TwoColumnRight", "spreads: [1] [2 3] [4 5]\n"},
                 {"TwoPageLeft", "spreads: [1 2] [3 4] [5]\n"},
                 {"TwoColumnLeft", "spreads: [1 2] [3 4] [5]\n"},
                 {"SinglePage", "spreads: [1] [2] [3] [4] [5]\n"}};
    for (const Case& c : cases) {
        PdfDocumentPlan plan = pages(5);
        plan.pageLayout = c.layout;
        plxtest::CliResult r = info(write(std::string(c.layout) + ".pdf", plxtest::makePdf(plan)));
        ASSERT_EQ(r.status, 0) << c.layout << r.err;
        EXPECT_NE(r.out.find(c.spreads), std::string::npos) << c.layout << "\n" << r.out;
    }
}

TEST_F(PdfOpen, FilesThatCannotBeShownAreRefusedByName) {
    std::string good = plxtest::makePdf(pages(3));
    std::string truncated = write("cut.pdf", good.substr(0, good.size() / 2));
    std::string notPdf = write("notes.pdf", "layout \"A\"\n");
    std::string empty = write("empty.pdf", "");
    std::string plain = write("plain.pdf", good);
    std::string locked = home.file("locked.pdf");
    std::string command = "qpdf --encrypt user owner 256 -- " + shellQuoted(plain) + " " +
                          shellQuoted(locked);
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string open = home.file("open-locked.pdf");
    command = "qpdf --encrypt '' owner 256 -- " + shellQuoted(plain) + " " + shellQuoted(open);
    ASSERT_EQ(std::system(command.c_str()), 0);

    struct Case {
        std::string path;
        const char* what;
    } cases[] = {{truncated, "the PDF is damaged"},
                 {notPdf, "is not a PDF file"},
                 {empty, "is not a PDF file"},
                 {locked, "encrypted"},
                 {open, "encrypted"},
                 {home.file("missing.pdf"), "cannot be read"}};
    for (const Case& c : cases) {
        plxtest::CliResult r = info(c.path);
        EXPECT_EQ(r.status, 1) << c.path << r.out;
        EXPECT_NE(r.err.find(c.path + ": "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.what), std::string::npos) << c.path << ": " << r.err;
    }
}

TEST_F(PdfOpen, ALongNameIsKeptWhole) {
    std::string name(200, 'n');
    plxtest::CliResult r = info(write(name + ".pdf", plxtest::makePdf(pages(1))));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("layout \"" + name + "\""), std::string::npos) << r.out;
}

TEST(PdfPageLayout, FacingLayoutsOfOneAndTwoPages) {
    using plxhost::spreadsForPageLayout;
    EXPECT_EQ(spreadsForPageLayout("TwoPageRight", 1), (std::vector<std::vector<int>>{{1}}));
    EXPECT_EQ(spreadsForPageLayout("TwoPageRight", 2), (std::vector<std::vector<int>>{{1}, {2}}));
    EXPECT_EQ(spreadsForPageLayout("TwoPageLeft", 2), (std::vector<std::vector<int>>{{1, 2}}));
}

TEST(PdfExample, TheHandbookHasRomanFrontMatterAndFacingPages) {
    plxtest::TempHome home;
    plxtest::CliResult r =
        runPlexmoor("info " + shellQuoted(plxtest::sourcePath("examples/Handbook.pdf")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("12 pages of 420 x 595 pt"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("pages: 1=i 2=ii 3=iii 4=iv 5=1 6=2"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("spreads: [1] [2 3] [4 5]"), std::string::npos) << r.out;
    r = runPlexmoor("menu " + shellQuoted(plxtest::sourcePath("examples/Handbook.pdf")));
    EXPECT_NE(r.out.find("Save current box as EPS/PDF…      disabled"), std::string::npos)
        << r.out;
}

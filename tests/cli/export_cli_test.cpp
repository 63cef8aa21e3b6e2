// plexmoor export end to end: the program, the host, the plug-in's menu
// command and export dialog, the print engine and the files it wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "tests/common/native_text.h"
#include "tests/common/cli_run.h"
#include "tests/common/output_check.h"
#include "tests/common/plugin_host.h"
#include "tests/common/tested_platform.h"

using plxtest::runPlexmoor;
using plxtest::shellQuoted;

using plxtest::joined;

namespace {

class ExportCli : public ::testing::Test {
  protected:
    void SetUp() override {
        out = home.file("out");
        std::filesystem::create_directories(out);
        project = home.file("Catalog.proj");
        std::filesystem::copy_file(plxtest::sourcePath("examples/Catalog.proj"), project);
    }
    plxtest::CliResult exportWith(const std::string& options) {
        return runPlexmoor("export " + shellQuoted(project) + " " + options);
    }
    std::string to(const std::string& name) { return "--to " + shellQuoted(joined(out, name)); }

    plxtest::TempHome home;
    std::string out, project;
};

} // namespace

TEST_F(ExportCli, PagesByLabelArePrintedAsWritten) {
    plxtest::CliResult r = exportWith("--pages ii-iii " + to("Spring.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "Spring_ii.eps") + "\n" + joined(out, "Spring_iii.eps") + "\n");
    EXPECT_TRUE(std::filesystem::exists(joined(out, "Spring_iii.eps")));
}

TEST_F(ExportCli, InvalidRangeIsRefusedWithItsMessage) {
    plxtest::CliResult r = exportWith("--absolute --pages 0 " + to("Spring.eps"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Invalid page range!"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::is_empty(out));

    r = exportWith("--lang de --absolute --pages 13 " + to("Spring.eps"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Keine gültige Seitennummer"), std::string::npos) << r.err;
}

TEST_F(ExportCli, AbsoluteNumbersWithAnOffset) {
    plxtest::CliResult r = exportWith("--absolute --offset 100 --pages 2,12 " + to("Spring.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "Spring_102.eps") + "\n" + joined(out, "Spring_112.eps") + "\n");
}

TEST_F(ExportCli, BoxToPdfIsCroppedToTheBoxAndTheStyleIsSaved) {
    plxtest::CliResult r = exportWith("--box 4 --style \"Default PDF\" --save " + to("Chair.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "Chair.pdf") + "\n");
    plxtest::Box4 crop;
    ASSERT_TRUE(plxtest::pdfBox(joined(out, "Chair.pdf"), "CropBox", &crop));
    // Box 4: 60, 80, 220 x 300 on page 5 (the left page of a spread) of an
    // A4 layout.
    EXPECT_NEAR(crop.x1, 60, 0.01);
    EXPECT_NEAR(crop.x2, 280, 0.01);
    EXPECT_NEAR(crop.y2, 842 - 80, 0.01);
    EXPECT_NEAR(crop.y1, 842 - 380, 0.01);
    // The style went into the layout and, with --save, into the file.
    EXPECT_NE(plxtest::readFile(project).find("data \"BWYA\" hex=44656661756c7420504446"),
              std::string::npos);
    std::string settings = plxtest::readFile(joined(home.settingsFolder(), "Plexmoor.ini"));
    EXPECT_NE(settings.find("OutputStyle=Default PDF"), std::string::npos) << settings;
}

// The same through the EPS medium, which needs no Ghostscript, so the
// Windows build's Win32 export dialog does it too; in German there.
TEST_F(ExportCli, BoxToEpsIsOneFileOfTheBoxsSize) {
    plxtest::CliResult r = exportWith("--lang de --box 4 " + to("Chair.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "Chair.eps") + "\n");
    std::string eps = plxtest::readFile(joined(out, "Chair.eps"));
    size_t at = eps.find("\n%%BoundingBox: 0 0 220 300");
    ASSERT_NE(at, std::string::npos) << eps.substr(0, 400);
    char after = eps[at + 27];
    EXPECT_TRUE(after == '\r' || after == '\n') << eps.substr(at, 40);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(ExportCli, UsageErrors) {
    EXPECT_EQ(exportWith("--offset 5 " + to("a.eps")).status, 2);
    EXPECT_EQ(exportWith("--all --pages 1 " + to("a.eps")).status, 2);
    EXPECT_EQ(exportWith("--base bogus").status, 2);
    EXPECT_EQ(runPlexmoor("export").status, 2);
    plxtest::CliResult r = exportWith("--layout Nowhere");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Nowhere"), std::string::npos);
}

TEST_F(ExportCli, StylesShowTheNamingOptionsThePanelShows) {
    plxtest::CliResult r = runPlexmoor("styles");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Default EPS\n  medium: EPS\n  file name: [Project] + \"_\" + [00x] + "
                         "\".eps\"\n  page frame: off\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Default PDF\n  medium: PDF\n"), std::string::npos);
    r = runPlexmoor("styles --lang de");
    EXPECT_NE(r.out.find("[Projekt]"), std::string::npos) << r.out;
}

TEST_F(ExportCli, TheRememberedStyleIsProposedNextTime) {
    ASSERT_EQ(exportWith("--style \"Default PDF\" --pages 1 " + to("A.pdf")).status, 0);
    plxtest::CliResult r = exportWith("--pages 2 " + to("B.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "B_002.pdf") + "\n") << "page labelled 2, named by the remembered PDF style";
}

TEST_F(ExportCli, NamingOptionsSetInTheStylePanelNameTheFiles) {
    // The style of the worked example: page number first, "-", plain numbers.
    plxtest::CliResult r = runPlexmoor("style \"Catalog EPS\" --medium eps --separator - "
                                       "--numbering x --number-before-name on --base layout");
    ASSERT_EQ(r.status, 0) << r.err;
    r = exportWith("--style \"Catalog EPS\" --absolute --pages 2 --to " + shellQuoted(joined(out, "")));
    ASSERT_EQ(r.status, 0) << r.err;
    // The name field shows the project's name until the base-name box is
    // clicked; the style's choice of the layout name is for that box. The
    // macOS panel's name field follows the chosen style at once: its base
    // name (the layout's) with its suffix.
    const char* name = plxtest::macBuildUnderTest() ? "2-Spring.eps" : "2-Catalog.eps";
    EXPECT_EQ(r.out, joined(out, name) + "\n");

    r = runPlexmoor("style \"Catalog EPS\" --numbering none --number-before-name off");
    ASSERT_EQ(r.status, 0) << r.err;
    r = exportWith("--style \"Catalog EPS\" --absolute --pages 3 " + to("Spring.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "Spring-.eps") + "\n") << "no number, the separator stays";
}

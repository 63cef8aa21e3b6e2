// PDF output: the job's PostScript distilled by Ghostscript, with one kept
// process and with one process per job; and the ways a job can fail.
#include <gtest/gtest.h>

#include <filesystem>


#include <fstream>
#include <sstream>

#include "tests/host/print_kit.h"

using namespace plxtest;

namespace {

const char* const kOdd = "layout \"Odd\"\n page-size 432.5 288\n pages 3\n spreads facing\n"
                         " box 1 page=1 x=36.25 y=40 w=200.5 h=100.75 text=\"Crop me\" fill=0.5"
                         " selected\n box 2 page=2 x=20 y=20 w=100 h=100 fill=0.2\n";

bool exists(const std::string& path) { return std::ifstream(path).good(); }

class HostPrintPdf : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        h_.engine().options().keepGhostscript = GetParam();
        out_ = h_.file("out");
        ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(out_)));
        h_.open(kOdd);
    }
    std::string info(const std::string& pdf) {
        RunResult check = run("qpdf --check '" + pdf + "'");
        EXPECT_EQ(check.status, 0) << check.output;
        RunResult r = run("pdfinfo -box '" + pdf + "'");
        EXPECT_EQ(r.status, 0) << r.output;
        return r.output;
    }
    PrintHost h_;
    std::string out_;
};

} // namespace

TEST_P(HostPrintPdf, PageSizeIsTheOutputAreaAndFontsAreEmbedded) {
    testJob().outputFile = out_ + "/page.pdf";
    ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
    std::string text = info(testJob().outputFile);
    EXPECT_NE(text.find("Pages:           1\n"), std::string::npos) << text;
    // Neither A4 nor Letter: the page's own size.
    EXPECT_EQ(numbersAfter(text, "MediaBox:"), (std::vector<double>{0, 0, 432.5, 288}));
    RunResult fonts = run("pdffonts '" + testJob().outputFile + "'");
    EXPECT_NE(fonts.output.find("Helvetica"), std::string::npos) << fonts.output;
    // Every font listed is embedded: the "emb" column of each row says yes.
    std::vector<std::string> rows;
    std::istringstream lines(fonts.output.substr(fonts.output.find("\n---") + 1));
    std::string row;
    std::getline(lines, row);
    while (std::getline(lines, row))
        if (!row.empty()) rows.push_back(row);
    ASSERT_FALSE(rows.empty()) << fonts.output;
    for (const std::string& r : rows) EXPECT_EQ(r.substr(r.find("WinAnsi") + 17, 3), "yes") << r;
    EXPECT_TRUE(hiddenFiles(out_).empty());

    // The next job of the run, a spread two pages wide, goes to the same
    // Ghostscript process when one is kept.
    long process = h_.engine().ghostscriptProcess();
    EXPECT_EQ(process != 0, GetParam());
    testJob().outputFile = out_ + "/spread.pdf";
    testJob().first = 2;
    testJob().last = 3;
    ASSERT_EQ(h_.output(kXTMediumPDF), 0);
    EXPECT_EQ(h_.engine().ghostscriptProcess(), process);
    EXPECT_EQ(numbersAfter(info(testJob().outputFile), "MediaBox:"),
              (std::vector<double>{0, 0, 865, 288}));
}

TEST_P(HostPrintPdf, CropBoxProgramOfTheBoxTakesEffect) {
    testJob().outputFile = out_ + "/box.pdf";
    testJob().cropBoxToBox = true;
    ASSERT_EQ(h_.output(kXTMediumPDF), 0);
    std::string text = info(testJob().outputFile);
    std::vector<double> crop = numbersAfter(text, "CropBox:");
    ASSERT_EQ(crop.size(), 4u) << text;
    // The box in the PDF's default user space: y from the bottom of the page.
    EXPECT_NEAR(crop[0], 36.25, 0.01);
    EXPECT_NEAR(crop[1], 288 - 140.75, 0.01);
    EXPECT_NEAR(crop[2], 236.75, 0.01);
    EXPECT_NEAR(crop[3], 288 - 40, 0.01);
    EXPECT_EQ(numbersAfter(text, "MediaBox:"), (std::vector<double>{0, 0, 432.5, 288}));
}

TEST_P(HostPrintPdf, KeptProcessIsReplacedAfterItsJobsAndTheNewOneTakesTheSetUp) {
    if (!GetParam()) GTEST_SKIP() << "one process per job anyway";
    h_.engine().options().ghostscriptJobsPerProcess = 2;
    std::vector<long> processes;
    for (int job = 1; job <= 3; ++job) {
        testJob().outputFile = out_ + "/job" + std::to_string(job) + ".pdf";
        ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
        processes.push_back(h_.engine().ghostscriptProcess());
        // Each file has its text in the embedded font, the third one too,
        // whose process never saw the first job's set-up.
        RunResult fonts = run("pdffonts '" + testJob().outputFile + "'");
        EXPECT_NE(fonts.output.find("Helvetica"), std::string::npos) << fonts.output;
        RunResult text = run("pdftotext '" + testJob().outputFile + "' -");
        EXPECT_NE(text.output.find("Crop me"), std::string::npos) << text.output;
    }
    EXPECT_EQ(processes[0], processes[1]);
    EXPECT_NE(processes[1], processes[2]);
}

TEST_P(HostPrintPdf, ManyJobsOfOneProcessEachBecomeTheirOwnWholeFile) {
    // Enough jobs for the kept process to give back its memory twice on the
    // way (a restore to the idle file every 20 jobs), one of them failing:
    // every other file is whole and has its own job's page size.
    if (!GetParam()) GTEST_SKIP() << "one process per job";
    long process = 0;
    for (int job = 1; job <= 45; ++job) {
        bool spread = job % 2 == 0;
        testJob().outputFile = out_ + "/job" + std::to_string(job) + ".pdf";
        testJob().first = spread ? 2 : 1;
        testJob().last = spread ? 3 : 1;
        testJob().pageText = job == 21 ? "plxnosuchoperator\n" : "";
        if (job == 21) {
            EXPECT_EQ(h_.output(kXTMediumPDF), kXTIOErr);
            continue;
        }
        ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
        if (job == 1) process = h_.engine().ghostscriptProcess();
    }
    EXPECT_EQ(h_.engine().ghostscriptProcess(), process);
    for (int job = 1; job <= 45; ++job) {
        std::string pdf = out_ + "/job" + std::to_string(job) + ".pdf";
        if (job == 21) {
            EXPECT_FALSE(exists(pdf));
            continue;
        }
        EXPECT_EQ(numbersAfter(info(pdf), "MediaBox:"),
                  (std::vector<double>{0, 0, job % 2 == 0 ? 865 : 432.5, 288}))
            << pdf;
    }
    EXPECT_TRUE(hiddenFiles(out_).empty());
}

TEST_P(HostPrintPdf, SeveralSpreadsBecomePagesOfOneDocument) {
    testJob().outputFile = out_ + "/all.pdf";
    testJob().first = 1;
    testJob().last = 3;
    ASSERT_EQ(h_.output(kXTMediumPDF), 0);
    std::string text = info(testJob().outputFile);
    EXPECT_NE(text.find("Pages:           2\n"), std::string::npos) << text;
    EXPECT_EQ(seen().pageNumbers, (std::vector<int16_t>{1, 2}));
    RunResult second = run("pdfinfo -f 2 -l 2 '" + testJob().outputFile + "'");
    EXPECT_NE(second.output.find("Page    2 size:  865 x 288 pts"), std::string::npos)
        << second.output;
}

TEST_P(HostPrintPdf, FailedDistillationLeavesNoFileAndTheNextJobWorks) {
    std::string target = out_ + "/broken.pdf";
    ASSERT_TRUE(writeFile(target, "the earlier file"));
    testJob().outputFile = target;
    testJob().pageText = "plxnosuchoperator\n";
    EXPECT_EQ(h_.output(kXTMediumPDF), kXTIOErr);
    ASSERT_EQ(h_.host().errors().size(), 1u);
    const std::string& message = h_.host().errors()[0].text;
    EXPECT_NE(message.find(target), std::string::npos) << message;
    EXPECT_NE(message.find("undefined"), std::string::npos) << message;
    EXPECT_EQ(readFile(target), "the earlier file");
    EXPECT_TRUE(hiddenFiles(out_).empty());

    testJob().pageText.clear();
    testJob().outputFile = out_ + "/fine.pdf";
    EXPECT_EQ(h_.output(kXTMediumPDF), 0);
    info(testJob().outputFile);
}

TEST_P(HostPrintPdf, GhostscriptThatQuitsMidJobIsAFailureAndIsStartedAgain) {
    testJob().outputFile = out_ + "/quit.pdf";
    testJob().pageText = "quit\n";
    EXPECT_EQ(h_.output(kXTMediumPDF), kXTIOErr);
    EXPECT_FALSE(exists(testJob().outputFile));
    testJob().pageText.clear();
    EXPECT_EQ(h_.output(kXTMediumPDF), 0);
    info(testJob().outputFile);
}

TEST_P(HostPrintPdf, GhostscriptThatNeverEndsEndsTheRunWithOneMessage) {
    h_.engine().options().ghostscriptTimeout = 1;
    h_.engine().options().ghostscriptSecondsPerMegabyte = 0;
    testJob().outputFile = out_ + "/endless.pdf";
    testJob().pageText = "{ } loop\n";
    EXPECT_EQ(h_.output(kXTMediumPDF), kXTIOErr);
    EXPECT_FALSE(exists(testJob().outputFile));
    ASSERT_EQ(h_.host().errors().size(), 1u);
    const std::string& message = h_.host().errors()[0].text;
    EXPECT_NE(message.find("Ghostscript did not finish the file " + testJob().outputFile +
                           " within 1 seconds"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("remaining pages"), std::string::npos) << message;
    EXPECT_TRUE(hiddenFiles(out_).empty());

    // The rest of the run is refused at once, without waiting and without
    // saying it again; even a page that would work.
    testJob().pageText.clear();
    testJob().outputFile = out_ + "/later.pdf";
    int jobs = h_.engine().jobCount();
    EXPECT_EQ(h_.output(kXTMediumPDF), kXTCanceled);
    EXPECT_EQ(h_.output(kXTMediumPDF), kXTCanceled);
    EXPECT_EQ(h_.engine().jobCount(), jobs);
    EXPECT_EQ(h_.host().errors().size(), 1u);
    EXPECT_FALSE(exists(testJob().outputFile));

    // The next run works again (with time enough for a busy machine).
    EXPECT_TRUE(h_.engine().endRun());
    h_.engine().options().ghostscriptTimeout = 20;
    EXPECT_EQ(h_.output(kXTMediumPDF), 0);
    info(testJob().outputFile);
}

INSTANTIATE_TEST_SUITE_P(Ghostscript, HostPrintPdf, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? "Kept" : "PerJob";
                         });

// The font Ghostscript gets keeps only the glyphs of its encoding: every
// character of Windows-1252 still comes out as text.
TEST_P(HostPrintPdf, EveryWindows1252CharacterStaysText) {
    const std::string chars = "\xE2\x82\xAC\xE2\x80\x9A\xC6\x92\xE2\x80\x9E\xE2\x80\xA6\xE2\x80\xA0"
                              "\xE2\x80\xA1\xE2\x80\xB0\xC5\xA0\xC5\x92\xC5\xBD\xE2\x80\x98\xE2\x80"
                              "\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA2\xE2\x80\x93\xE2\x80\x94\xE2"
                              "\x84\xA2\xC5\xA1\xC5\x93\xC5\xBE\xC5\xB8\xC2\xA3\xC2\xA5\xC3\x80\xC3"
                              "\x89\xC3\x8E\xC3\x95\xC3\x9C\xC3\x9F\xC3\xA0\xC3\xA9\xC3\xBF";
    h_.open("layout \"Chars\"\n page-size 600 100\n pages 1\n box 1 page=1 x=10 y=10 w=580"
            " h=40 text=\"" + chars + "\"\n");
    testJob().outputFile = out_ + "/chars.pdf";
    ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
    RunResult text = run("pdftotext '" + testJob().outputFile + "' -");
    EXPECT_NE(text.output.find(chars), std::string::npos) << text.output;
    EXPECT_TRUE(h_.engine().undrawnCharacters().empty());
}

// Jobs that cannot be written, cancelled jobs, and the print-setup record.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>


#include <climits>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "host/host_objects.h"
#include "tests/common/environment.h"
#include "tests/common/process.h"
#include "tests/host/print_kit.h"

using namespace plxtest;

namespace {

const char* const kTwoPages = "layout \"Two\"\n page-size 200 100\n pages 2\n"
                              " box 1 x=10 y=10 w=50 h=20 text=\"Hi\"\n";

bool exists(const std::string& path) { return std::ifstream(path).good(); }

// UTF-16 code units of a UTF-8 text: one for each letter, two for those
// past U+FFFF.
size_t utf16Units(const std::string& text) {
    size_t units = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++units;
        if (c >= 0xF0) ++units;
    }
    return units;
}

// A path below `folder` of `units` UTF-16 code units in all: folders of
// "é" (each name well within the 255 bytes a Linux name may have, for
// Wine), made here, and a file of "x"s ending ".eps".
std::string accentedPath(const std::string& folder, size_t units) {
    std::string path = folder;
    while (units - utf16Units(path) > 106) {
        size_t letters = std::min<size_t>(100, units - utf16Units(path) - 8);
        path += "/";
        for (size_t i = 0; i < letters; ++i)
            path += "\xC3\xA9";
    }
    std::filesystem::create_directories(std::filesystem::u8path(path));
    return path + "/" + std::string(units - utf16Units(path) - 5, 'x') + ".eps";
}

class HostPrintFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        out_ = h_.file("out");
        ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(out_)));
        h_.open(kTwoPages);
    }
    // The one error the last job reported.
    std::string onlyError() {
        EXPECT_EQ(h_.host().errors().size(), 1u);
        std::string text = h_.host().errors().empty() ? "" : h_.host().errors().back().text;
        h_.host().clearErrors();
        return text;
    }
    PrintHost h_;
    std::string out_;
};

} // namespace

TEST_F(HostPrintFailure, MissingGhostscriptIsReportedBeforeAnythingIsWritten) {
    testJob().outputFile = out_ + "/page.pdf";
    h_.engine().options().ghostscript = "/nonexistent/bin/gs";
    EXPECT_EQ(h_.output(kXTMediumPDF), kXTFileNotFoundErr);
    std::string text = onlyError();
    EXPECT_NE(text.find("Ghostscript"), std::string::npos) << text;
    EXPECT_NE(text.find("/nonexistent/bin/gs"), std::string::npos) << text;
    EXPECT_EQ(seen().comments, 0); // stopped before the stream was written

    h_.engine().options().ghostscript = "gs";
    {
        plxtest::ScopedVariable path("PATH", h_.home()); // a PATH without Ghostscript
        EXPECT_EQ(h_.output(kXTMediumPDF), kXTFileNotFoundErr);
        EXPECT_NE(onlyError().find("was not found"), std::string::npos);
    }
    EXPECT_FALSE(exists(testJob().outputFile));
    EXPECT_TRUE(hiddenFiles(out_).empty());
    // EPS needs no Ghostscript.
    h_.engine().options().ghostscript = "/nonexistent/bin/gs";
    testJob().outputFile = out_ + "/page.eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), 0);
}

TEST_F(HostPrintFailure, FoldersThatCannotTakeTheFile) {
    // Without Ghostscript (Windows here) a PDF job stops at its absence
    // before its folder is looked at; /proc is POSIX's.
    std::vector<uint32_t> media{kXTMediumEPS};
    std::vector<std::string> paths{out_ + "/missing/page.out", out_ + "/plain/page.out"};
    if (plxtest::posixSystem()) {
        media.push_back(kXTMediumPDF);
        paths.push_back("/proc/page.out");
    }
    for (uint32_t medium : media) {
        // A folder that does not exist, a "folder" that is a file, and one
        // nobody may write into, not even the superuser.
        ASSERT_TRUE(writeFile(out_ + "/plain", "x"));
        for (const std::string& path : paths) {
            testJob().outputFile = path;
            EXPECT_EQ(h_.output(medium), kXTIOErr) << path;
            std::string text = onlyError();
            EXPECT_NE(text.find(path), std::string::npos) << text;
            EXPECT_FALSE(exists(path));
        }
    }
    EXPECT_EQ(hiddenFiles(out_).size(), 0u);
}

TEST_F(HostPrintFailure, JobWithoutOutputFileOrWithAnOverlongPathIsRefused) {
    EXPECT_EQ(h_.output(kXTMediumEPS), kXTParamErr);
    EXPECT_NE(onlyError().find("no output file"), std::string::npos);
    EXPECT_EQ(seen().jobInfo, 1);

    // The print group refuses a path longer than any path can be, and the
    // job says so.
    testJob().outputFile = out_ + "/" + std::string(5000, 'n') + ".eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), kXTParamErr);
    EXPECT_NE(onlyError().find("output path is too long"), std::string::npos);
    EXPECT_EQ(seen().jobInfo, 1);
    if (!plxtest::posixSystem())
        GTEST_SKIP() << "the Windows host takes paths of fewer than 260 UTF-16 code units, so "
                        "a name of 255 in the test's folder is refused before its length counts";
    // The longest name a file can have works; a longer one fails as a
    // write error.
    testJob().outputFile = out_ + "/" + std::string(251, 'n') + ".eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_TRUE(exists(testJob().outputFile));
    testJob().outputFile = out_ + "/" + std::string(300, 'n') + ".eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), kXTIOErr);
    onlyError();
    EXPECT_TRUE(hiddenFiles(out_).empty());
}

TEST_F(HostPrintFailure, OutputPathsAreMeasuredAsTheSystemMeasuresThem) {
    // 259 UTF-16 code units, the longest path Windows opens, but 260 bytes
    // or more in UTF-8: written on every system.
    testJob().outputFile = accentedPath(out_, 259);
    ASSERT_EQ(utf16Units(testJob().outputFile), 259u);
    ASSERT_GT(testJob().outputFile.size(), 259u);
    EXPECT_EQ(h_.output(kXTMediumEPS), 0) << onlyError();
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(testJob().outputFile)));
    // One more is past what Windows opens: refused before anything is
    // written, with the length and the limit. POSIX takes it.
    testJob().outputFile = accentedPath(out_ + "/b", 260);
    ASSERT_EQ(utf16Units(testJob().outputFile), 260u);
    if (plxtest::posixSystem()) {
        EXPECT_EQ(h_.output(kXTMediumEPS), 0) << onlyError();
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(testJob().outputFile)));
    } else {
        EXPECT_EQ(h_.output(kXTMediumEPS), kXTParamErr);
        EXPECT_NE(onlyError().find("too long (260 UTF-16 code units; Windows takes fewer than 260)"),
                  std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(testJob().outputFile)));
    }
}

TEST_F(HostPrintFailure, CancelledJobWritesNothingAndShowsNoError) {
    h_.engine().options().cancelAtJob = h_.engine().jobCount() + 2;
    testJob().outputFile = out_ + "/first.eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), 0);
    testJob().outputFile = out_ + "/second.eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), kXTCanceled);
    EXPECT_EQ(seen().jobInfo, 1);
    EXPECT_EQ(seen().comments, 0);
    EXPECT_FALSE(exists(out_ + "/second.eps"));
    EXPECT_TRUE(h_.host().errors().empty());
    testJob().outputFile = out_ + "/third.eps";
    EXPECT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_TRUE(exists(out_ + "/first.eps"));
}

TEST_F(HostPrintFailure, PrintSetupRecordCarriesTheProcessColourFlag) {
    testJob().outputFile = out_ + "/page.eps";
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_EQ(seen().setupResult, 0);
    EXPECT_EQ(seen().setupFlags, 0);
    h_.engine().options().processColors = true;
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_EQ(seen().setupFlags & kXTPrintFlagProcessColors, kXTPrintFlagProcessColors);
    EXPECT_FALSE(seen().setupOverrun);
    // A part of the record is filled up to its size, a size beyond the
    // record is refused, and nothing past what was asked is touched.
    testJob().setupSize = 1;
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    EXPECT_EQ(seen().setupResult, 0);
    EXPECT_EQ(seen().setupFlags, kXTPrintFlagProcessColors);
    EXPECT_FALSE(seen().setupOverrun);
    for (int32_t size : {469, -1}) {
        testJob().setupSize = size;
        ASSERT_EQ(h_.output(kXTMediumEPS), 0);
        EXPECT_EQ(seen().setupResult, kXTParamErr);
        EXPECT_FALSE(seen().setupOverrun);
    }
}

TEST_F(HostPrintFailure, GeometryGroupsMeasureInFixedAndKeepShapesCounted) {
    const PrintKit& k = h_.kit();
    Fixed w = 0, hgt = 0;
    EXPECT_EQ(k.measure->getPageWidth(-1, &w), 0);
    EXPECT_EQ(k.measure->getPageHeight(-1, &hgt), 0);
    EXPECT_EQ(w, 200 * kFixedOne);
    EXPECT_EQ(hgt, 100 * kFixedOne);
    EXPECT_EQ(k.measure->getPageWidth(9999, &w), kXTParamErr);

    fixedrect r{kFixedOne, 2 * kFixedOne, 3 * kFixedOne, 4 * kFixedOne};
    k.fixedRect->offsetRect(&r, kFixedOne, -kFixedOne);
    EXPECT_EQ(r.left, 3 * kFixedOne);
    EXPECT_EQ(r.top, 0);
    // Coordinates stop at the end of the range rather than wrapping round.
    fixedrect far{0, 0, 0, INT32_MAX - 5};
    k.fixedRect->offsetRect(&far, 100, 0);
    EXPECT_EQ(far.right, INT32_MAX);

    int64_t shapes = plxhost::liveObjects().shapes;
    XTShapeRef shape = nullptr;
    ASSERT_EQ(k.shape->shapeFromRect(&r, &shape), 0);
    EXPECT_EQ(plxhost::liveObjects().shapes, shapes + 1);
    k.shape->disposeShape(shape);
    k.shape->disposeShape(shape); // known no more: ignored
    EXPECT_EQ(plxhost::liveObjects().shapes, shapes);
    fixedrect inverted{10, 10, 0, 0};
    EXPECT_EQ(k.shape->shapeFromRect(&inverted, &shape), kXTParamErr);
    EXPECT_EQ(shape, nullptr);
}

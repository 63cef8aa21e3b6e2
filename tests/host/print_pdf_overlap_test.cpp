// PDF jobs shared by two kept Ghostscript processes: a job's call returns
// before its file is there; the files come in the order of the jobs, a
// failure is reported for its own file, and the run's end waits for all.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/temp_dir.h"
#include "tests/host/print_kit.h"

using namespace plxtest;
namespace fs = std::filesystem;

namespace {

const char* const kThree = "layout \"Three\"\n page-size 300 200\n pages 3\n"
                           " box 1 page=1 x=20 y=20 w=200 h=50 text=\"Shared out\"\n";

class HostPrintOverlap : public ::testing::Test {
  protected:
    void SetUp() override {
        h_.engine().options().ghostscriptProcesses = 2;
        out_ = h_.file("out");
        ASSERT_TRUE(fs::create_directory(fs::u8path(out_)));
        h_.open(kThree);
    }
    int32_t output(const std::string& name, const std::string& pageText = std::string(),
                   uint32_t medium = kXTMediumPDF) {
        testJob().outputFile = out_ + "/" + name;
        testJob().pageText = pageText;
        return h_.output(medium);
    }
    std::vector<std::string> written() {
        std::vector<std::string> names;
        const plxhost::WrittenFiles& files = h_.engine().writtenFiles();
        for (size_t i = 0; i < files.size(); ++i)
            names.push_back(fs::u8path(files.path(i)).filename().u8string());
        return names;
    }
    PrintHost h_;
    std::string out_;
};

} // namespace

TEST_F(HostPrintOverlap, FilesComeInJobOrderAndAFailureIsReportedForItsOwnFile) {
    ASSERT_TRUE(writeFile(out_ + "/b.pdf", "the earlier file"));
    EXPECT_EQ(output("a.pdf"), 0);
    EXPECT_EQ(output("b.pdf", "plxnosuchoperator\n"), 0) << "its failure comes later";
    EXPECT_EQ(output("c.pdf"), 0);
    // An EPS job writes at once, after the PDF jobs before it.
    EXPECT_EQ(output("m.eps", std::string(), kXTMediumEPS), 0);
    EXPECT_EQ(written(), (std::vector<std::string>{"a.pdf", "c.pdf", "m.eps"}));
    EXPECT_EQ(output("d.pdf"), 0);
    EXPECT_EQ(output("e.pdf"), 0);
    EXPECT_TRUE(h_.engine().endRun());

    EXPECT_EQ(written(), (std::vector<std::string>{"a.pdf", "c.pdf", "m.eps", "d.pdf", "e.pdf"}));
    EXPECT_EQ(h_.engine().writtenFiles().size(), 5u);
    ASSERT_EQ(h_.host().errors().size(), 1u);
    const std::string& message = h_.host().errors()[0].text;
    EXPECT_NE(message.find(out_ + "/b.pdf"), std::string::npos) << message;
    EXPECT_NE(message.find("undefined"), std::string::npos) << message;
    EXPECT_EQ(readFile(out_ + "/b.pdf"), "the earlier file");
    EXPECT_TRUE(hiddenFiles(out_).empty());
    for (const char* name : {"a.pdf", "c.pdf", "d.pdf", "e.pdf"}) {
        std::string pdf = out_ + "/" + name;
        RunResult check = run("qpdf --check '" + pdf + "'");
        EXPECT_EQ(check.status, 0) << name << ": " << check.output;
        RunResult text = run("pdftotext '" + pdf + "' -");
        EXPECT_NE(text.output.find("Shared out"), std::string::npos) << name << ": " << text.output;
    }
    // Nothing of the jobs stays in the work folder.
    for (const auto& entry : fs::directory_iterator(fs::u8path(h_.engine().ghostscriptFolder())))
        EXPECT_NE(entry.path().filename().u8string().rfind("job", 0), 0u) << entry.path();
}

TEST_F(HostPrintOverlap, AHangFoundWhileWaitingForAProcessEndsTheRunOnce) {
    h_.engine().options().ghostscriptTimeout = 1;
    h_.engine().options().ghostscriptSecondsPerMegabyte = 0;
    EXPECT_EQ(output("endless.pdf", "{ } loop\n"), 0);
    EXPECT_EQ(output("next.pdf"), 0);
    // No process is free: waiting for the first finds the hang.
    EXPECT_EQ(output("late.pdf"), kXTCanceled);
    EXPECT_EQ(output("later.pdf"), kXTCanceled);
    ASSERT_EQ(h_.host().errors().size(), 1u);
    EXPECT_NE(h_.host().errors()[0].text.find("did not finish the file " + out_ + "/endless.pdf"),
              std::string::npos)
        << h_.host().errors()[0].text;
    // The job handed out before the hang was known is finished.
    EXPECT_TRUE(h_.engine().endRun());
    EXPECT_EQ(written(), (std::vector<std::string>{"next.pdf"}));
    EXPECT_FALSE(fs::exists(fs::u8path(out_ + "/endless.pdf")));
    EXPECT_FALSE(fs::exists(fs::u8path(out_ + "/late.pdf")));
    EXPECT_TRUE(hiddenFiles(out_).empty());

    h_.engine().options().ghostscriptTimeout = 20;
    EXPECT_EQ(output("again.pdf"), 0);
    EXPECT_TRUE(h_.engine().endRun());
    EXPECT_EQ(written().back(), "again.pdf");
}

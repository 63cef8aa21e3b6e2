// plexmoor export where the plug-in used to give up silently or wrap
// round: long page lists, "All" with long labels, large offsets, long
// style names, and the log of a style that keeps the chosen path.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/native_text.h"
#include "tests/common/plexmoor_run.h"
#include "tests/common/plugin_host.h"
#include "tests/common/tested_platform.h"

using namespace plxtest;

namespace {

class ExportMends : public ::testing::Test {
  protected:
    void SetUp() override {
        out = home.file("out");
        std::filesystem::create_directories(out);
        project = home.file("Catalog.proj");
        std::filesystem::copy_file(sourcePath("examples/Catalog.proj"), project);
    }
    ProgramRun exportWith(std::vector<std::string> options) {
        options.insert(options.begin(), {"export", project});
        return runPlexmoor(options);
    }
    // The macOS export panel takes no page text over 249 bytes: it tells
    // the user the range is invalid and keeps the panel open, so nothing is
    // written and plexmoor fails.
    void expectRefusedAsTooLong(const ProgramRun& r) {
        EXPECT_EQ(r.status, 1) << r.out << r.err;
        EXPECT_NE(r.err.find("Invalid page range!"), std::string::npos) << r.err;
        EXPECT_EQ(files(), 0);
    }
    int files() {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(out)) {
            (void)e;
            ++n;
        }
        return n;
    }

    TempHome home;
    std::string out, project;
};

} // namespace

TEST_F(ExportMends, APageListLongerThanTheOldFieldExports) {
    std::string pages;
    while (pages.size() < 300) pages += "ii,iii,";
    pages += "3";
    ProgramRun r = exportWith({"--pages", pages, "--to", out + "/Spring.eps"});
    if (macBuildUnderTest()) return expectRefusedAsTooLong(r);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(out + "/Spring_ii.eps"));
    EXPECT_TRUE(std::filesystem::exists(out + "/Spring_iii.eps"));
    EXPECT_TRUE(std::filesystem::exists(out + "/Spring_003.eps"));
    EXPECT_EQ(files(), 3);
}

TEST_F(ExportMends, AllWithLongLabelsExportsEveryPage) {
    // "All" gives "<first label>-<last label>": 303 bytes with these labels.
    auto exportAllWithPrefix = [&](const std::string& prefix) {
        EXPECT_TRUE(writeFile(project, "layout \"Long\"\n pages 3\n section 1 prefix=\"" +
                                           prefix + "\"\n"));
        return exportWith({"--all", "--to", out + "/Long.eps"});
    };
    std::string prefix(150, 'p');
    ProgramRun r = exportAllWithPrefix(prefix);
    if (macBuildUnderTest()) {
        expectRefusedAsTooLong(r);
        // Labels whose "All" text fits the panel's 249 bytes (243).
        prefix.resize(120);
        r = exportAllWithPrefix(prefix);
    }
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files(), 3) << r.out << r.err;
    EXPECT_TRUE(std::filesystem::exists(out + "/Long_" + prefix + "3.eps"));
}

TEST_F(ExportMends, LargeOffsetsNumberOnOrAreRefused) {
    ProgramRun r = exportWith({"--absolute", "--offset", "32767", "--pages", "1-2", "--to",
                               out + "/Spring.eps"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(out + "/Spring_32768.eps"));
    EXPECT_TRUE(std::filesystem::exists(out + "/Spring_32769.eps"));
    std::filesystem::remove_all(out);
    std::filesystem::create_directories(out);

    for (const char* lang : {"en", "de"}) {
        r = exportWith({"--lang", lang, "--absolute", "--offset", "40000", "--pages", "1-2",
                        "--to", out + "/Spring.eps"});
        EXPECT_NE(r.status, 0) << lang;
        EXPECT_NE(r.err.find(std::string(lang) == "de" ? "Ung\xC3\xBCltiger Offset"
                                                       : "Invalid offset"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(files(), 0) << lang;
    }
}

TEST_F(ExportMends, AStyleNameTheHostAcceptedAlwaysExports) {
    std::string name = "Catalogue for print " + std::string(180, 'x');
    ProgramRun made = runPlexmoor({"style", name, "--medium", "pdf"});
    ASSERT_EQ(made.status, 0) << made.err;
    ProgramRun r = exportWith({"--style", name, "--pages", "ii", "--to", out + "/Spring.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(out + "/Spring_ii.pdf")) << r.out << r.err;
    std::string settings = readFile(home.settingsFolder() + "/Plexmoor.ini");
    EXPECT_NE(settings.find("OutputStyle=" + name + lineEnd()), std::string::npos) << settings;
}

TEST_F(ExportMends, APathKeptUnchangedIsLoggedForEveryPage) {
    ASSERT_EQ(runPlexmoor({"prefs", "--logging", "on"}).status, 0);
    ASSERT_EQ(runPlexmoor({"style", "Default EPS", "--suffix", "---"}).status, 0);
    ProgramRun r = exportWith({"--pages", "ii-iii", "--to", plxtest::joined(out, "Plain.eps")});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string log = plxtest::withLF(readFile(plxtest::joined(home.logFolder(), "Plexmoor.txt")));
    // The macOS log's lines carry no time stamp: the line starts the line.
    std::string line = std::string(macBuildUnderTest() ? "\n" : ": ") +
                       "exportPath: " + plxtest::joined(out, "Plain") + "\n";
    size_t n = 0;
    for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1)) ++n;
    EXPECT_EQ(n, 2u) << log;
}

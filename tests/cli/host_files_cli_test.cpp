// What the host's own files do to a user of plexmoor: a hand-written
// project kept as written by --save, box texts drawn in the host's font,
// projects that are not project files, and an unreadable output-styles
// file set aside.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/native_text.h"
#include "tests/common/cli_run.h"
#include "tests/common/output_check.h"
#include "tests/common/plugin_host.h"

using plxtest::runPlexmoor;
using plxtest::shellQuoted;

using plxtest::joined;

namespace {

class HostFilesCli : public ::testing::Test {
  protected:
    void SetUp() override {
        out = home.file("out");
        std::filesystem::create_directories(out);
    }
    std::string write(const std::string& name, const std::string& text) {
        std::string path = home.file(name);
        EXPECT_TRUE(plxtest::writeFile(path, text));
        return path;
    }
    plxtest::CliResult exportOf(const std::string& project, const std::string& options) {
        return runPlexmoor("export " + shellQuoted(project) + " " + options);
    }
    std::string to(const std::string& name) { return "--to " + shellQuoted(joined(out, name)); }
    // The text Ghostscript finds on the first page of an EPS or PDF file.
    std::string textOf(const std::string& path) {
        return plxtest::runCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite "
                                   "-sOutputFile=- " + shellQuoted(path) + " 2>&1");
    }

    plxtest::TempHome home;
    std::string out;
};

const char* const kHandWritten = "# Spring catalogue, kept by hand.\n"
                                 "layout \"Spring\"\n"
                                 "  pages 7   # one cover, three spreads\n"
                                 "\n"
                                 "  spreads facing\n"
                                 "  box 1 page=2 x=10 y=10 w=200 h=50 text=\"Front\" selected\n"
                                 "  # style used last:\n"
                                 "  data BWYA \"Default EPS\"\n"
                                 "\n"
                                 "current-layout \"Spring\"\n";

} // namespace

TEST_F(HostFilesCli, SaveChangesOnlyTheDataLineOfAHandWrittenProject) {
    std::string project = write("Spring.proj", kHandWritten);
    plxtest::CliResult r =
        exportOf(project, "--box 1 --style \"Default PDF\" --save " + to("Front.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected = kHandWritten;
    const std::string old = "data BWYA \"Default EPS\"";
    const std::string now = "data \"BWYA\" hex=44656661756c7420504446";
    expected.replace(expected.find(old), old.size(), now);
    // The plug-in keeps the name in a record padded with NULs.
    std::string saved = plxtest::readFile(project);
    size_t at = saved.find(now);
    ASSERT_NE(at, std::string::npos) << saved;
    size_t padding = at + now.size();
    while (saved.compare(padding, 2, "00") == 0) saved.erase(padding, 2);
    EXPECT_EQ(saved, expected);
}

TEST_F(HostFilesCli, EveryWindows1252CharacterIsDrawnAndOthersAreNamedOnce) {
    const std::string text = "Caf\xC3\xA9 \xE2\x80\x93 20 \xE2\x82\xAC \xE2\x80\x93 "
                             "\xE2\x80\x9Cx\xE2\x80\x9D \xC5\x92uvre";
    std::string project = write("Text.proj", "layout \"T\"\n  pages 2\n"
                                             "  box 1 page=1 x=20 y=20 w=400 h=40 text=\"" + text + "\"\n"
                                             "  box 2 page=2 x=20 y=20 w=400 h=40 text=\"1\xE2\x88\x9E \xE2\x88\x9E\"\n"
                                             "  box 3 page=2 x=20 y=80 w=400 h=40 text=\"\xCE\xA9\"\n");
    std::string secondEps;
    for (const char* name : {"T.eps", "T.pdf"}) {
        plxtest::CliResult r = exportOf(project, "--pages 1-2 " + to(name));
        ASSERT_EQ(r.status, 0) << r.err;
        std::string first = r.out.substr(0, r.out.find('\n'));
        if (secondEps.empty()) secondEps = r.out.substr(first.size() + 1, r.out.size() - first.size() - 2);
        EXPECT_NE(textOf(first).find(text), std::string::npos) << textOf(first);
        // One warning for the run, each character once, however often it
        // stands in the pages.
        const std::string warning = "\xCE\xA9 (U+03A9), \xE2\x88\x9E (U+221E)";
        ASSERT_NE(r.err.find(warning), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find(warning), r.err.rfind(warning)) << r.err;
        EXPECT_EQ(r.err.find("U+221E"), r.err.rfind("U+221E")) << r.err;
    }
    plxtest::CliResult de = exportOf(project, "--lang de --pages 2 " + to("T.eps"));
    EXPECT_NE(de.err.find("kann \xCE\xA9 (U+03A9), \xE2\x88\x9E (U+221E) nicht zeichnen"),
              std::string::npos)
        << de.err;
    // The replacement is a visible mark: the page with "1∞ ∞" is not just "1".
    std::string eps = plxtest::readFile(secondEps);
    EXPECT_NE(eps.find("(1) show plxmissing ( ) show plxmissing"), std::string::npos);
}

TEST_F(HostFilesCli, AFolderOrAPdfGivenAsTheProjectIsNamedForWhatItIs) {
    plxtest::CliResult r = exportOf(out, to("a.eps"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(out + ": is a folder, not a project file"), std::string::npos) << r.err;
    std::string pdf = write("Spring.pdf", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<<>>\nendobj\n");
    r = exportOf(pdf, to("a.eps"));
    EXPECT_EQ(r.status, 1);
    // A PDF opens as a layout; this one is cut short and is refused as a
    // PDF, never read as a project text.
    EXPECT_NE(r.err.find(pdf + ": the PDF is damaged"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(":1:"), std::string::npos) << r.err;
}

TEST_F(HostFilesCli, ControlCharactersOfALabelDoNotReachTheFileName) {
    std::string project = write("Tab.proj", "layout \"T\"\n  pages 2\n"
                                            "  section 1 prefix=\"a\\tb\\nc/\"\n");
    plxtest::CliResult r = exportOf(project, "--all " + to("T.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "T_a-b-c-1.eps") + "\n" + joined(out, "T_a-b-c-2.eps") + "\n");
}

TEST_F(HostFilesCli, EveryUnreadableStylesFileIsKeptAndTheUserIsTold) {
    // The host names its styles file with the platform's separator, in the
    // message as in the file it opens.
    std::string styles = joined(home.hostFolder(), "OutputStyles.xml");
    std::filesystem::create_directories(home.hostFolder());
    for (int run = 1; run <= 2; ++run) {
        std::string broken = "<OutputStyles version=\"1\"><Style name=\"Run " +
                             std::to_string(run) + "\"";
        ASSERT_TRUE(plxtest::writeFile(styles, broken));
        plxtest::CliResult r = runPlexmoor("styles");
        EXPECT_EQ(r.status, 0) << r.err;
        std::string aside = styles + ".unreadable-" + std::to_string(run);
        EXPECT_NE(r.err.find("kept as " + aside), std::string::npos) << r.err;
        EXPECT_EQ(plxtest::readFile(aside), broken);
        EXPECT_NE(r.out.find("Default PDF"), std::string::npos);
    }
    EXPECT_NE(plxtest::readFile(styles + ".unreadable-1").find("Run 1"), std::string::npos);

    ASSERT_TRUE(plxtest::writeFile(styles, "<OutputStyles/>"));
    std::string project = write("A.proj", "layout \"A\"\n  pages 1\n");
    plxtest::CliResult r = exportOf(project, to("A.eps"));
    EXPECT_NE(r.err.find("kept as " + styles + ".unreadable-3"), std::string::npos) << r.err;
    // The export itself goes on with the default styles.
    ASSERT_FALSE(r.out.empty()) << r.err;
    EXPECT_TRUE(std::filesystem::exists(r.out.substr(0, r.out.find('\n')))) << r.out;
}

// plexmoor export: what it tells while and after it writes: each file as
// written, paths written more than once, host messages once, the exit
// status that says whether every page was written (Ctrl-C and terminals
// in posix/).
#include <cstdlib>
#include <filesystem>

#include "tests/common/native_text.h"
#include "tests/common/environment.h"

#include "tests/cli/export_fixture.h"

using plxtest::CliResult;
using plxtest::runPlexmoor;
using plxtest::shellQuoted;

using plxtest::joined;

namespace {

class ExportReport : public plxtest::ExportCliFixture {};

TEST_F(ExportReport, PathsWrittenMoreThanOnceAreReportedAndCounted) {
    // Offset -3 leaves pages 1 to 3 without a number: all go to one file.
    CliResult r = exportWith("--absolute --offset -3 --pages 1-5 " + to("g.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "g_.eps") + "\n" + joined(out, "g_.eps") + "\n" + joined(out, "g_.eps") + "\n" +
                         joined(out, "g_001.eps") + "\n" + joined(out, "g_002.eps") + "\n");
    EXPECT_TRUE(has(r.err, joined(out, "g_.eps") + " was written 3 times (pages 1, 2, 3); only page 3 is in it"))
        << r.err;
    EXPECT_TRUE(has(r.err, "5 files written; 2 pages lost")) << r.err;

    // Numbering "none" sends every numbered page to one file (a label like
    // "iii" is still written as it stands).
    ASSERT_EQ(runPlexmoor("style Plain --medium eps --numbering none").status, 0);
    r = exportWith("--lang de --style Plain --pages iv-3 " + to("p.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "p_iv.eps") + "\n" + joined(out, "p_.eps") + "\n" + joined(out, "p_.eps") + "\n" +
                         joined(out, "p_.eps") + "\n");
    EXPECT_TRUE(has(r.err, joined(out, "p_.eps") + " wurde 3-mal geschrieben (Seiten 1, 2, 3); nur Seite "
                                 "3 ist darin"))
        << r.err;
    EXPECT_TRUE(has(r.err, "2 Seiten verloren")) << r.err;
}

TEST_F(ExportReport, ArgumentErrorsKnownBeforeTheDialogExitWithTwoAndNameTheOption) {
    struct Case {
        const char* options;
        const char* named;
    } cases[] = {
        {"--layout Nope", "--layout"},        {"--box 99", "--box"},
        {"--page 99", "--page"},              {"--page x", "--page"},
        {"--absolute --offset abc", "--offset"}, {"--absolute --offset 1e3", "--offset"},
        {"--box 4 --pages 1", "--box"},       {"--box 4 --all", "--box"},
        {"--offset 5", "--offset"},           {"--base bogus", "--base"},
    };
    for (const Case& c : cases) {
        CliResult r = exportWith(std::string(c.options) + " " + to("a.eps"));
        EXPECT_EQ(r.status, 2) << c.options << "\n" << r.err;
        EXPECT_TRUE(has(r.err, c.named)) << c.options << "\n" << r.err;
        EXPECT_FALSE(has(r.err, "cancel")) << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(out));
    CliResult r = exportWith("--layout Nope --lang de " + to("a.eps"));
    EXPECT_TRUE(has(r.err, "das Projekt hat kein Layout \"Nope\"; es hat \"Spring\", \"Price list\""))
        << r.err;
}

TEST_F(ExportReport, ARefusedPageRangeShowsThePageLabels) {
    CliResult r = exportWith("--pages 13 " + to("a.eps"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "Invalid page range!")) << r.err;
    EXPECT_TRUE(has(r.err, "the pages of layout \"Spring\" are labelled i-iv, 1-8; with "
                           "--absolute they are 1-12"))
        << r.err;
    EXPECT_FALSE(has(r.err, "cancel")) << r.err;
    r = exportWith("--lang de --pages 13 " + to("a.eps"));
    EXPECT_TRUE(has(r.err, "die Seiten von Layout \"Spring\" heißen i-iv, 1-8")) << r.err;
}

TEST_F(ExportReport, HostMessagesAloneDoNotMakeTheRunFail) {
    // A damaged styles file is set aside with a message; every page is
    // still written.
    std::filesystem::create_directories(home.hostFolder());
    ASSERT_TRUE(plxtest::writeFile(joined(home.hostFolder(), "OutputStyles.xml"), "<broken"));
    CliResult r = exportWith("--pages 1-2 " + to("a.eps"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "a_001.eps") + "\n" + joined(out, "a_002.eps") + "\n");
    EXPECT_TRUE(has(r.err, "OutputStyles.xml")) << r.err;
    // Also when --style has the styles read before the dialog opens.
    ASSERT_TRUE(plxtest::writeFile(joined(home.hostFolder(), "OutputStyles.xml"), "<broken"));
    r = exportWith("--style \"Default EPS\" --pages 3 " + to("b.eps"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.err, "OutputStyles.xml")) << r.err;
}

TEST_F(ExportReport, WithoutGhostscriptThePagesFailOnceAndExitThree) {
    CliResult r;
    {
        plxtest::ScopedVariable path("PATH", home.path());
        r = exportWith("--pages 1-3 " + to("a.pdf"));
    }
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.out, "");
    size_t first = r.err.find("Ghostscript");
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Ghostscript", r.err.find('\n', first)), std::string::npos)
        << "told once:\n" << r.err;
    EXPECT_TRUE(has(r.err, "3 pages not written")) << r.err;
}

} // namespace

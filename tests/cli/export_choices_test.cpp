// plexmoor export: the style, the medium and the folder are what the user
// asked for, or the run is refused before anything is written.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tests/cli/export_fixture.h"
#include "tests/common/native_text.h"

using plxtest::CliResult;
using plxtest::runPlexmoor;
using plxtest::shellQuoted;

using plxtest::joined;

namespace {

class ExportChoices : public plxtest::ExportCliFixture {};

TEST_F(ExportChoices, AStyleTheDialogDoesNotOfferIsRefusedWithTheNearestName) {
    struct Case {
        const char* style;
        const char* meant; // "" when nothing is near
    } cases[] = {{"Default EPSS", "Default EPS"}, {"default pdf", "Default PDF"},
                 {"Default TIFF", ""}};
    for (const Case& c : cases) {
        CliResult r = exportWith("--pages 1 --style " + shellQuoted(c.style) + " " + to("A"));
        EXPECT_EQ(r.status, 2) << c.style << "\n" << r.err;
        EXPECT_TRUE(has(r.err, "--style")) << r.err;
        EXPECT_TRUE(has(r.err, "\"Default EPS\", \"Default PDF\"")) << r.err;
        if (*c.meant) EXPECT_TRUE(has(r.err, std::string("Did you mean \"") + c.meant + "\"?"))
            << r.err;
        else EXPECT_FALSE(has(r.err, "Did you mean")) << r.err;
        EXPECT_TRUE(std::filesystem::is_empty(out)) << c.style;
    }
    CliResult r = exportWith("--lang de --pages 1 --style \"Default EPSS\" " + to("A"));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "Meinten Sie \"Default EPS\"?")) << r.err;
    EXPECT_TRUE(has(r.err, "der Export-Dialog bietet keinen Stil")) << r.err;
}

TEST_F(ExportChoices, TheExtensionOfToPicksTheMedium) {
    // A fresh home remembers no style: .pdf takes the host's PDF default.
    CliResult r = exportWith("--pages 1 " + to("A.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "A_001.pdf") + "\n");
    EXPECT_TRUE(has(r.err, "output style \"Default PDF\"")) << r.err;
    // After a PDF run, .eps still writes EPS, in any case of the extension.
    r = exportWith("--pages 1 " + to("C.EPS"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "C_001.eps") + "\n");
    EXPECT_TRUE(has(r.err, "output style \"Default EPS\"")) << r.err;
}

TEST_F(ExportChoices, TheRememberedStyleIsKeptWhenItsMediumFits) {
    ASSERT_EQ(runPlexmoor("style \"Catalog EPS\" --medium eps --separator - --numbering x")
                  .status,
              0);
    ASSERT_EQ(exportWith("--pages 1 --style \"Catalog EPS\" " + to("A.eps")).status, 0);
    CliResult r = exportWith("--pages 2 " + to("B.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(out, "B-2.eps") + "\n");
    EXPECT_TRUE(has(r.err, "output style \"Catalog EPS\"")) << r.err;
}

TEST_F(ExportChoices, AStyleThatContradictsTheExtensionIsRefused) {
    CliResult r = exportWith("--pages 1 --style \"Default EPS\" " + to("A.pdf"));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "--style \"Default EPS\" writes EPS files, but --to names a PDF file"))
        << r.err;
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

TEST_F(ExportChoices, ARelativeToIsReadFromTheCurrentFolder) {
    std::string elsewhere = home.file("elsewhere");
    std::filesystem::create_directories(joined(elsewhere, "sub"));
    CliResult r = exportFrom(elsewhere, "--pages 1 --to Name.eps");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(elsewhere, "Name_001.eps") + "\n");
    EXPECT_FALSE(std::filesystem::exists(home.file("Name_001.eps")));

    // "." and an existing folder keep the name the dialog proposes.
    r = exportFrom(elsewhere, "--pages 2 --to .");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(elsewhere, "Catalog_002.eps") + "\n");
    r = exportFrom(elsewhere, "--pages 3 --to sub");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, joined(elsewhere, "sub/Catalog_003.eps") + "\n");
}

TEST_F(ExportChoices, AToThatCannotBeWrittenSaysWhy) {
    ASSERT_TRUE(plxtest::writeFile(home.file("file.pdf"), "%PDF-1.4\n"));
    CliResult r = exportWith("--pages 1 --to " + shellQuoted(home.file("file.pdf/x.eps")));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, home.file("file.pdf") + " is not a folder")) << r.err;

    // The reason is the file system's own for whoever runs the test (POSIX
    // only: Windows has no folder that refuses everyone so reliably).
    if (plxtest::posixSystem()) {
        std::FILE* probe = std::fopen("/proc/.plexmoor-test", "wx");
        ASSERT_EQ(probe, nullptr);
        std::string reason = std::strerror(errno);
        r = exportWith("--pages 1 --to /proc/x.eps");
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(has(r.err, "no file can be written in /proc: " + reason)) << r.err;
    }

    r = exportWith("--pages 1 --to " + shellQuoted(home.file("missing/x.eps")));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "the folder " + home.file("missing") + " does not exist")) << r.err;

    r = exportWith("--lang de --pages 1 --to " + shellQuoted(home.file("file.pdf/x.eps")));
    EXPECT_TRUE(has(r.err, home.file("file.pdf") + " ist kein Ordner")) << r.err;
}

} // namespace

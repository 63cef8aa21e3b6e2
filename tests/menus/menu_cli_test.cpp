// plexmoor menu, about and style: the menus, the about box and the naming
// panel as a person uses them from the command line.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/native_text.h"
#include "tests/common/plexmoor_run.h"
#include "tests/common/plugin_host.h"

using namespace plxtest;

namespace {

const char* const kProject = "layout \"Main\"\n"
                             "  pages 3\n"
                             "  box 7 page=1 x=10 y=10 w=50 h=50\n"
                             "  box 8 page=2 x=10 y=10 w=50 h=50\n"
                             "  current-page 2\n";

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string stylesFile(const TempHome& home) {
    return plxtest::joined(home.hostFolder(), "OutputStyles.xml");
}

} // namespace

TEST(MenuCommand, WithoutAProjectOnlyPreferencesAndAboutAreEnabled) {
    TempHome home;
    ProgramRun run = runPlexmoor({"menu"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Utilities > Plexmoor\n"
                       "  Save page(s) as EPS/PDF\xE2\x80\xA6          disabled\n"
                       "  Save current box as EPS/PDF\xE2\x80\xA6      disabled\n"
                       "  ----\n"
                       "  Preferences\xE2\x80\xA6                      enabled\n"
                       "  About\xE2\x80\xA6                            enabled\n"
                       "Context menu: no layout open\n");
}

TEST(MenuCommand, ContextEntryFollowsTheBoxSelection) {
    TempHome home;
    std::string project = home.file("Menu.proj");
    ASSERT_TRUE(writeFile(project, kProject));
    ProgramRun run = runPlexmoor({"menu", project});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.out, "Context menu of layout \"Main\"\n  Deselect"));
    EXPECT_TRUE(has(run.out, "  ----\n  Save page(s) as EPS/PDF\xE2\x80\xA6          enabled\n"));
    EXPECT_TRUE(has(run.out, "Save current box as EPS/PDF\xE2\x80\xA6      disabled"));

    // Without an id, a box of the current page is selected.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"menu", project, "--box"}, {"menu", "--box", "7", project}}) {
        run = runPlexmoor(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(
            has(run.out, "  ----\n  Save current box as EPS/PDF\xE2\x80\xA6      enabled\n"))
            << run.out;
    }
    run = runPlexmoor({"menu", project, "--box", "99"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "has no box 99"));
    EXPECT_EQ(runPlexmoor({"menu", "--box"}).status, 2);
}

TEST(MenuCommand, GermanMenuAndAboutBox) {
    TempHome home;
    ProgramRun run = runPlexmoor({"menu", "--lang", "de"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* text : {"Seiten als EPS/PDF\xE2\x80\xA6", "Rahmen als EPS/PDF\xE2\x80\xA6",
                             "Voreinstellungen\xE2\x80\xA6",
                             "\xC3\x9C"
                             "ber\xE2\x80\xA6"})
        EXPECT_TRUE(has(run.out, text)) << text;

    run = runPlexmoor({"about", "--lang", "de"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.err, "Plexmoor: Plexmoor 6.72\n"));
    EXPECT_TRUE(has(run.err, "Alle Rechte vorbehalten"));
}

TEST(StyleCommand, NeverEditedPdfStyleAndCancelChangeNothing) {
    TempHome home;
    ProgramRun run = runPlexmoor({"style", "Default PDF", "--base", "layout", "--cancel"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Output style \"Default PDF\" (PDF): not saved\n"
                       "  Spreads: off\n"
                       "  File name: Project + \"_\" + 00x + \".pdf\"\n"
                       "  Page number before file name: off\n"
                       "  Page frame: off\n");
    EXPECT_FALSE(has(readFile(stylesFile(home)), "<Plx"));
}

TEST(StyleCommand, NewStyleSavedWithNoNumberAndAnOverlongSeparator) {
    TempHome home;
    ProgramRun run = runPlexmoor({"style", "Proof", "--medium", "eps", "--spreads", "on",
                                  "--numbering", "none", "--separator", std::string(32, '-'),
                                  "--suffix", std::string(31, 's'), "--frame", "on"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(has(run.out, "Output style \"Proof\" (EPS): saved\n  Spreads: on\n"));
    EXPECT_TRUE(
        has(run.out, "File name: Project + \"\" + None + \"" + std::string(31, 's') + "\""));
    EXPECT_TRUE(has(run.out, "Page frame: on"));
    std::string file = readFile(stylesFile(home));
    EXPECT_TRUE(has(file, "Sep=\"\" Numbers=\"4\"")) << file;

    // It exists now; another medium is refused, and so is a style that is not there.
    EXPECT_EQ(runPlexmoor({"style", "Proof", "--medium", "pdf"}).status, 1);
    run = runPlexmoor({"style", "Missing", "--frame", "on"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "--medium makes one"));
    run = runPlexmoor({"style", std::string(300, 'n'), "--medium", "pdf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "1 to 255 bytes")) << run.err;
}

TEST(StyleCommand, StyleWithoutMediumHasNoPanel) {
    TempHome home;
    std::filesystem::create_directories(home.hostFolder());
    ASSERT_TRUE(writeFile(stylesFile(home), "<OutputStyles version=\"1\">\n"
                                            "  <Style name=\"Default EPS\" medium=\"XEPS\"/>\n"
                                            "  <Style name=\"Default PDF\" medium=\"XPDF\"/>\n"
                                            "  <Style name=\"Plain\" medium=\"XNON\"/>\n"
                                            "</OutputStyles>\n"));
    ProgramRun run = runPlexmoor({"style", "Plain"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Output style \"Plain\" (no medium): saved\n  no Plexmoor panel\n");
    run = runPlexmoor({"style", "Plain", "--suffix", ".x"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(has(run.err, "no Plexmoor panel"));
}

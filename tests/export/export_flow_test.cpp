// Whole export commands through the export dialog, scripted as a person
// would fill it, inside a real host with its print engine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "plugin/export/export_data.h"
#include "plugin/export/export_run.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/log.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"
#include "tests/common/process.h"
#include "ui/ui.h"

using plxtest::PluginHost;

namespace {

const char* kCatalog = R"(
layout "Spring"
  page-size 300 400
  pages 12
  spreads facing
  box 1 page=2 x=20 y=20 w=100 h=50 text="Chair"
  box 2 page=5 x=30 y=40 w=60 h=80
  current-page 2
)";

class ExportFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::clearScript();
        ui::clearTranscript();
        std::filesystem::create_directories(ph.home() + "/Work");
        proj = ph.openProjectText(kCatalog, "Work/Catalog.proj");
        out = plxtest::joined(ph.home(), "Work");
    }
    void TearDown() override { ui::clearScript(); }

    // Runs the export command with a script for its dialog.
    void run(const std::string& script, unsigned char box = 0) {
        std::vector<ui::Action> actions;
        std::string error;
        ASSERT_TRUE(ui::parseScript(script, &actions, &error)) << error;
        ui::setScript(actions);
        doExport(box);
    }
    bool exists(const std::string& name) { return std::filesystem::exists(out + "/" + name); }
    // A file in the work folder as the dialog's script writes it ("\\"
    // escapes there).
    std::string at(const std::string& name) const {
        std::string escaped;
        for (char c : plxtest::joined(out, name)) {
            if (c == '\\') escaped += '\\';
            escaped += c;
        }
        return escaped;
    }
    int fileCount() {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(out))
            if (e.path().extension() != ".proj") ++n;
        return n;
    }
    std::string messages() {
        std::string text;
        for (const ui::Record& r : ui::transcript())
            if (r.kind == ui::RecordKind::MessageBox) text += r.text + "\n";
        return text;
    }

    PluginHost ph;
    int32_t proj = -1;
    std::string out;
};

} // namespace

TEST_F(ExportFlow, PagesAreWrittenAndTheStyleRemembered) {
    run("[@save] type #3 \"2-3\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_002.eps"));
    EXPECT_TRUE(exists("Spring_003.eps"));
    EXPECT_EQ(fileCount(), 2);
    char stored[256] = {0};
    EXPECT_GT(getPrefs().getString("General", "OutputStyle", stored, sizeof stored), 0);
    EXPECT_STREQ(stored, "Default EPS");
    EXPECT_TRUE(ph.host().documents().project(proj)->changed) << "the layout took the style name";
    EXPECT_EQ(sExportData.exporting, 0);

    // The same style again: the layout already holds it, nothing is marked.
    ph.host().documents().project(proj)->changed = false;
    run("[@save] type #3 \"4\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_004.eps"));
    EXPECT_FALSE(ph.host().documents().project(proj)->changed);
}

TEST_F(ExportFlow, InvalidRangeKeepsTheDialogOpenAndWritesNothing) {
    run("[@save] type #3 \"0\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
    EXPECT_NE(messages().find("Invalid page range!"), std::string::npos) << messages();
    EXPECT_EQ(fileCount(), 0);
    char stored[256] = {0};
    EXPECT_EQ(getPrefs().getString("General", "OutputStyle", stored, sizeof stored), -1);
}

TEST_F(ExportFlow, AbsoluteNumbersWithOffsetAndAll) {
    run("[@save] check #5 on\n[@save] type #6 \"100\"\n[@save] click #4\n"
        "[@save] path \"" +
        at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_101.eps"));
    EXPECT_TRUE(exists("Spring_112.eps"));
    EXPECT_EQ(fileCount(), 12);
}

TEST_F(ExportFlow, SpreadsStyleWritesOneFilePerSpread) {
    OutputStyleRef style = nullptr;
    std::string error;
    ASSERT_EQ(ph.host().styles().create("Spreads PDF", kXTMediumPDF, &style, &error), 0);
    ASSERT_EQ(ph.host().styles().setSpreads(style, true), 0);
    run("[@save] choose #9 \"Spreads PDF\"\n[@save] type #3 \"3\"\n"
        "[@save] path \"" +
        at("Spring.pdf") + "\"\n");
    EXPECT_TRUE(exists("Spring_002.pdf")) << "page 3 alone exports its spread, keyed by page 2";
    EXPECT_EQ(fileCount(), 1);
}

TEST_F(ExportFlow, BoxExportWritesOneFileWithoutANumber) {
    ASSERT_TRUE(ph.host().documents().selectBox(ph.host().documents().front()->docRef, 1));
    run("[@save] choose #9 \"Default PDF\"\n[@save] path \"" + at("Chair.pdf") + "\"\n", 1);
    EXPECT_TRUE(exists("Chair.pdf"));
    EXPECT_EQ(fileCount(), 1);
}

TEST_F(ExportFlow, CancelAfterTheFirstPageFinishesThatPage) {
    run("[@save] type #3 \"1-5\"\n[@save] path \"" + at("Spring.eps") +
        "\"\n"
        "[@window] wait 1\n[@window] click #2\n");
    EXPECT_TRUE(exists("Spring_001.eps"));
    EXPECT_EQ(fileCount(), 1);
    EXPECT_EQ(ph.host().pdfSetting(0), 1) << "the PDF setting is given back";
}

TEST_F(ExportFlow, HostCancellingAPageEndsTheRun) {
    ph.host().printEngine().options().cancelAtJob = 2;
    run("[@save] type #3 \"1-5\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_001.eps"));
    EXPECT_EQ(fileCount(), 1);
    EXPECT_EQ(ph.host().printEngine().jobCount(), 2);
}

TEST_F(ExportFlow, GhostscriptThatHangsEndsTheRunWithOneMessage) {
    if (!plxtest::posixSystem()) GTEST_SKIP() << "a shell script stands in for Ghostscript";
    // A "Ghostscript" that never answers.
    std::string gs = ph.home() + "/hanging-gs";
    {
        std::ofstream script(gs);
        script << "#!/bin/sh\nexec sleep 600\n";
    }
    std::filesystem::permissions(gs, std::filesystem::perms::owner_all);
    plxhost::PrintOptions& options = ph.host().printEngine().options();
    options.ghostscript = gs;
    options.ghostscriptTimeout = 1;
    run("[@save] choose #9 \"Default PDF\"\n[@save] type #3 \"1-4\"\n"
        "[@save] path \"" +
        at("Spring.pdf") + "\"\n");
    EXPECT_EQ(fileCount(), 0);
    ASSERT_EQ(ph.host().errors().size(), 1u);
    EXPECT_NE(ph.host().errors()[0].text.find("remaining pages"), std::string::npos);
    EXPECT_EQ(ph.host().printEngine().jobCount(), 1) << "no page after the hang was started";
}

TEST_F(ExportFlow, PdfSettingIsClearedForTheRunAndGivenBack) {
    static uint8_t during = 99;
    ph.host().setupRecord()->registerCallback(
        kXTCBJobInfo,
        [](void*) -> int32_t {
            during = plxhost::Host::current()->pdfSetting(0);
            return 0;
        },
        5, 300, 0);
    run("[@save] choose #9 \"Default PDF\"\n[@save] type #3 \"1\"\n"
        "[@save] path \"" +
        at("Spring.pdf") + "\"\n");
    EXPECT_EQ(during, 0);
    EXPECT_EQ(ph.host().pdfSetting(0), 1);
}

TEST_F(ExportFlow, CancelledDialogStoresNothing) {
    run("[@save] type #3 \"1\"\n[@save] click #2\n");
    EXPECT_EQ(fileCount(), 0);
    EXPECT_FALSE(ph.host().documents().project(proj)->changed);
}

TEST_F(ExportFlow, NoLayoutDoesNothing) {
    ph.host().documents().closeAll();
    run("[@save] click #1\n");
    EXPECT_TRUE(ui::transcript().empty()) << ui::transcriptText();
}

TEST_F(ExportFlow, EditOpensTheHostsStyleEditorAndTheDialogGoesOn) {
    run("[@save] click #10\n[@save] type #3 \"2\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
    int opened = 0;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::Opened) ++opened;
    EXPECT_GE(opened, 3) << "save dialog, style editor, progress window\n" << ui::transcriptText();
    EXPECT_TRUE(exists("Spring_002.eps")) << ui::transcriptText();
}

TEST_F(ExportFlow, ALongPageListExportsAndOneTooLongToReadIsRefused) {
    std::string pages;
    while (pages.size() < 400)
        pages += "2,3,";
    pages += "12";
    run("[@save] check #5 on\n[@save] type #3 \"" + pages + "\"\n[@save] path \"" +
        at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_002.eps"));
    EXPECT_TRUE(exists("Spring_012.eps"));
    EXPECT_EQ(fileCount(), 3) << messages();

    std::string endless;
    while (endless.size() < 40000)
        endless += "1,";
    endless += "1";
    std::filesystem::remove_all(out);
    std::filesystem::create_directories(out);
    run("[@save] check #5 on\n[@save] type #3 \"" + endless + "\"\n[@save] path \"" +
        at("Spring.eps") + "\"\n");
    EXPECT_NE(messages().find("Invalid page range!"), std::string::npos) << messages();
    EXPECT_EQ(fileCount(), 0);
}

TEST_F(ExportFlow, AllWithLongLabelsExportsEveryPage) {
    if (!plxtest::posixSystem())
        GTEST_SKIP() << "the files' paths in the test's folder pass the 260 bytes the Windows "
                        "host takes";
    // Labels of 201 bytes: "All" makes a text of 403.
    std::string prefix(200, 'p');
    ph.openProjectText("layout \"Long\"\n pages 3\n section 1 prefix=\"" + prefix + "\"\n",
                       "Work/Long.proj");
    run("[@save] click #4\n[@save] path \"" + at("Long.eps") + "\"\n");
    EXPECT_EQ(fileCount(), 3) << messages();
    EXPECT_TRUE(exists("Long_" + prefix + "3.eps"));
}

TEST_F(ExportFlow, AnOffsetTheRecordCannotHoldIsRefused) {
    for (const char* offset : {"32768", "-32769", "99999999999"}) {
        run(std::string("[@save] check #5 on\n[@save] type #6 \"") + offset +
            "\"\n[@save] type #3 \"1-2\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
        EXPECT_NE(messages().find("Invalid offset!"), std::string::npos) << offset;
        EXPECT_EQ(fileCount(), 0) << offset;
    }
    run("[@save] check #5 on\n[@save] type #6 \"32767\"\n[@save] type #3 \"1-2\"\n"
        "[@save] path \"" +
        at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_32768.eps"));
    EXPECT_TRUE(exists("Spring_32769.eps"));
    EXPECT_EQ(fileCount(), 2);
}

TEST_F(ExportFlow, AStyleNameAsLongAsTheHostAllowsExportsAndIsRemembered) {
    std::string name = "Catalogue " + std::string(245, 'x'); // 255 bytes
    OutputStyleRef style = nullptr;
    std::string error;
    ASSERT_EQ(ph.host().styles().create(name, kXTMediumEPS, &style, &error), 0) << error;
    run("[@save] choose #9 \"" + name + "\"\n[@save] type #3 \"2\"\n[@save] path \"" +
        at("Spring.eps") + "\"\n");
    EXPECT_TRUE(exists("Spring_002.eps")) << messages();
    EXPECT_TRUE(ph.host().errors().empty()) << ph.host().errors()[0].text;
    char stored[512] = {0};
    EXPECT_EQ(getPrefs().getString("General", "OutputStyle", stored, sizeof stored), 255);
    EXPECT_EQ(std::string(stored), name);

    // The next export starts with it, from the settings or else the layout.
    getPrefs().remove("General", "OutputStyle");
    run("[@save] type #3 \"3\"\n[@save] path \"" + at("Spring.eps") + "\"\n");
    EXPECT_EQ(std::string(sExportData.styleName), name);
    EXPECT_TRUE(exists("Spring_003.eps"));
}

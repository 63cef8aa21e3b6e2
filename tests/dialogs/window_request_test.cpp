// The host's window request and the command line's pictures of windows.
#include "tests/dialogs/dialog_fixture.h"

#include "plugin/core/plexmoor.h"
#include "tests/common/picture_format.h"
#include "tests/common/plexmoor_run.h"
#include "ui/outline_svg.h"
#include "xt/xtwindows.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace plxtest {
namespace {

using WindowRequestTest = DialogTest;

XTWindowRequestRec request(plxhost::Host& host, const char* name, uint32_t id = kPlxId) {
    XTWindowRequestRec rec{};
    rec.xtId = id;
    rec.result = kXTWindowNotAnswered;
    rec.name = name;
    host.sendCallback(kXTCBWindowRequest, &rec);
    return rec;
}

TEST_F(WindowRequestTest, request_buildsEveryDescriptionAndRefusesOtherNames) {
    for (const char* name :
         {"Prefs", "progress", "Export", "MYDIALOG", "MSGBOX", "25051", "25052", "25053"}) {
        XTWindowRequestRec rec = request(host().host(), name);
        ASSERT_EQ(rec.result, kXTWindowBuilt) << name;
        EXPECT_TRUE(ui::isTopLevel(rec.window)) << name;
        EXPECT_FALSE(ui::isModal(rec.window)) << name;
        ui::destroyWindow(rec.window);
    }
    EXPECT_EQ(request(host().host(), "Nope").result, kXTWindowUnknown);
    EXPECT_EQ(ui::topLevelWindows().size(), 0u);
    EXPECT_EQ(request(host().host(), "Prefs", 0x12345678).result, kXTWindowNotAnswered);
}

TEST_F(WindowRequestTest, request_templatesCarryTheirIdsTextsAndFrames) {
    german();
    XTWindowRequestRec rec = request(host().host(), "25053");
    ui::Handle w = rec.window;
    EXPECT_EQ(ui::rect(w).w, 273);
    EXPECT_EQ(ui::rect(w).h, 158);
    EXPECT_EQ(ui::text(ui::findControl(w, 3)), "Letzten Ordner verwenden");
    EXPECT_EQ(ui::rect(ui::findControl(w, 1)), (ui::Rect{165, 111, 86, 24}));
    ui::destroyWindow(w);

    rec = request(host().host(), "25051");
    w = rec.window;
    for (int id = 3; id <= 10; ++id)
        EXPECT_NE(ui::findControl(w, id), 0u) << id;
    EXPECT_EQ(ui::kind(ui::findControl(w, 9)), ui::Kind::Popup);
    EXPECT_EQ(ui::text(ui::findControl(w, 10)), "Bearbeiten…");
    ui::destroyWindow(w);
}

// Every window the plug-in carries: each description in plugin/resources
// but the string tables.
std::vector<std::string> everyWindow() {
    std::vector<std::string> names;
    std::string folder = std::string(PLX_SOURCE_DIR) + "/plugin/resources";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string file = entry.path().filename().string();
        if (entry.path().extension() == ".xml" && file.rfind("MyStrings", 0) != 0)
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(WindowRequestTest, request_noTextIsCutInAnyWindowInEitherLanguage) {
    std::vector<std::string> names = everyWindow();
    ASSERT_GE(names.size(), 8u);
    for (bool inGerman : {false, true}) {
        if (inGerman) german();
        for (const std::string& name : names) {
            XTWindowRequestRec rec = request(host().host(), name.c_str());
            ASSERT_EQ(rec.result, kXTWindowBuilt) << name;
            for (const ui::ClippedText& cut : ui::clippedTexts(rec.window))
                ADD_FAILURE() << name << (inGerman ? " (de)" : " (en)") << ": #" << cut.id << " \""
                              << cut.text << "\" needs " << cut.needed << " px, has "
                              << cut.available;
            ui::destroyWindow(rec.window);
        }
    }
}

TEST_F(WindowRequestTest, request_windowsOpenTitledAndSetAsTheyRun) {
    auto title = [&](const char* name) {
        XTWindowRequestRec rec = request(host().host(), name);
        std::string text = ui::text(rec.window);
        ui::destroyWindow(rec.window);
        return text;
    };
    EXPECT_EQ(title("Progress"), "Save Page(s) as EPS");
    EXPECT_EQ(title("25051"), "Save page(s) as EPS/PDF");
    EXPECT_EQ(title("Export"), "Save page(s) as EPS/PDF");
    EXPECT_EQ(title("MSGBOX"), "Plexmoor");
    EXPECT_EQ(title("MYDIALOG"), "Plexmoor");
    EXPECT_EQ(title("Prefs"), "Plexmoor");

    // "Always add page number" is on unless turned off.
    for (const char* name : {"Prefs", "25053"}) {
        XTWindowRequestRec rec = request(host().host(), name);
        EXPECT_EQ(ui::value(ui::findControl(rec.window, 5)), 1) << name;
        EXPECT_EQ(ui::value(ui::findControl(rec.window, 4)), 0) << name;
        ui::destroyWindow(rec.window);
    }

    XTWindowRequestRec rec = request(host().host(), "MSGBOX");
    EXPECT_EQ(ui::text(ui::findControl(rec.window, 10)), "Invalid page range!");
    EXPECT_EQ(ui::text(ui::findControl(rec.window, 1)), "OK");
    EXPECT_FALSE(ui::isVisible(ui::findControl(rec.window, 2)));
    ui::destroyWindow(rec.window);

    rec = request(host().host(), "Progress");
    EXPECT_EQ(ui::text(ui::findControl(rec.window, 2)), "Cancel");
    EXPECT_EQ(ui::text(ui::findControl(rec.window, 4)), "Plexmoor:     Page 1");
    ui::destroyWindow(rec.window);

    // The export options list the host's styles, the first one chosen, and
    // the offset waits for "absolute".
    rec = request(host().host(), "25051");
    ui::Handle styles = ui::findControl(rec.window, 9);
    EXPECT_GE(ui::items(styles).size(), 3u);
    EXPECT_EQ(ui::selection(styles), 0);
    EXPECT_EQ(ui::text(ui::findControl(rec.window, 3)), "1");
    EXPECT_EQ(ui::text(ui::findControl(rec.window, 6)), "0");
    EXPECT_FALSE(ui::isEnabled(ui::findControl(rec.window, 6)));
    ui::destroyWindow(rec.window);

    // The naming panel shows the default EPS style's options.
    rec = request(host().host(), "25052");
    EXPECT_EQ(ui::items(ui::findControl(rec.window, 6)).size(), 5u);
    EXPECT_GE(ui::selection(ui::findControl(rec.window, 2)), 0);
    ui::destroyWindow(rec.window);
}

TEST(WindowCommand, window_everyWindowDrawsWholeInBothLanguages) {
    TempHome home;
    for (const char* lang : {"en", "de"}) {
        for (const std::string& name : everyWindow()) {
            std::string out = home.file(name + windowPictureExtension());
            ProgramRun run = runPlexmoor({"window", name, "--lang", lang, "-o", out});
            EXPECT_EQ(run.status, 0) << run.err;
            // Only the file's name: no text was cut.
            EXPECT_EQ(run.out + run.err, out + "\n") << lang;
        }
    }
}

// A text as an SVG picture holds it, each line apart: XML escapes, and
// line breaks and tabs are blanks there.
std::vector<std::string> svgLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            if (!lines.back().empty()) lines.emplace_back();
            continue;
        }
        const char* escaped = c == '&'    ? "&amp;"
                              : c == '<'  ? "&lt;"
                              : c == '>'  ? "&gt;"
                              : c == '"'  ? "&quot;"
                              : c == '\'' ? "&apos;"
                                          : nullptr;
        if (escaped)
            lines.back() += escaped;
        else
            lines.back() += c;
    }
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

// The title and the texts of the visible controls, as the window's
// controls hold them (a list's chosen item).
void visibleTexts(const ui::ControlInfo& window, std::vector<std::string>* texts) {
    for (const ui::ControlInfo& control : window.children) {
        if (!control.visible) continue;
        for (const std::string& line : svgLines(ui::outlineControl(control, {}).text))
            texts->push_back(line);
        visibleTexts(control, texts);
    }
}

// Whatever draws the window on this platform (the window system, Win32,
// Cocoa), its picture in German carries the texts the plug-in gives the
// window in German.
// (The plug-in linked into this program builds the window system's
// windows, which give the texts; the macOS stage runs this suite against
// its plexmoor.)
TEST(WindowCommand, window_everyPictureInGermanCarriesItsGermanTexts) {
    std::vector<std::pair<std::string, std::vector<std::string>>> windows;
    {
        ASSERT_TRUE(ui::reset());
        PluginHost plugin;
        ASSERT_EQ(plugin.activationResult(), 0);
        plugin.host().sendLanguage(3);
        for (const std::string& name : everyWindow()) {
            XTWindowRequestRec rec = request(plugin.host(), name.c_str());
            ASSERT_EQ(rec.result, kXTWindowBuilt) << name;
            ui::ControlInfo info = ui::observe(rec.window);
            std::vector<std::string> texts = svgLines(info.text);
            visibleTexts(info, &texts);
            windows.emplace_back(name, texts);
            ui::destroyWindow(rec.window);
        }
        gHostMainWindow = 0;
    }
    ASSERT_GE(windows.size(), 8u);
    ASSERT_NE(windows.front().second.size(), 0u);

    TempHome home;
    for (const auto& window : windows) {
        std::string out = home.file(window.first + ".svg");
        ProgramRun run = runPlexmoor({"window", window.first, "--lang", "de", "-o", out});
        ASSERT_EQ(run.status, 0) << window.first << ": " << run.err;
        std::string svg = readFile(out);
        for (const std::string& text : window.second)
            EXPECT_NE(svg.find(text), std::string::npos) << window.first << ": " << text;
    }
}

TEST(WindowCommand, window_writesThePictureInTheChosenLanguage) {
    TempHome home;
    std::string out = home.file("prefs.svg");
    ProgramRun run = runPlexmoor({"window", "Prefs", "--lang", "de", "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, out + "\n");
    std::string svg = readFile(out);
    EXPECT_NE(svg.find("Letzten Ordner verwenden"), std::string::npos);
    EXPECT_NE(svg.find("Abbrechen"), std::string::npos);

    run = runPlexmoor({"window", "Nope"});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out + run.err,
              "plexmoor: the plug-in has no window named Nope (plexmoor --help lists them)\n");
}

} // namespace
} // namespace plxtest

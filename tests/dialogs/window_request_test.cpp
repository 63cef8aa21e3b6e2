// The host's window request and the command line's pictures of windows.
#include "tests/dialogs/dialog_fixture.h"

#include "plugin/core/plexmoor.h"
#include "xt/xtwindows.h"

#include <cstdio>

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

TEST(WindowCommand, window_writesThePictureInTheChosenLanguage) {
    // The plug-in still holds its string table when the program unloads it;
    // that is not what this test looks at.
    std::string program =
        "ASAN_OPTIONS=detect_leaks=0 " + std::string(PLX_BINARY_DIR) + "/bin/plexmoor";
    TempHome home;
    std::string out = home.file("prefs.svg");
    std::string command = program + " window Prefs --lang de -o " + out + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[512] = "";
    std::string printed;
    while (std::fgets(line, sizeof line, pipe))
        printed += line;
    EXPECT_EQ(pclose(pipe), 0) << printed;
    EXPECT_EQ(printed, out + "\n");
    FILE* f = std::fopen(out.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string svg;
    while (std::fgets(line, sizeof line, f))
        svg += line;
    std::fclose(f);
    EXPECT_NE(svg.find("Letzten Ordner verwenden"), std::string::npos);
    EXPECT_NE(svg.find("Abbrechen"), std::string::npos);

    pipe = popen((program + " window Nope 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    printed.clear();
    while (std::fgets(line, sizeof line, pipe))
        printed += line;
    EXPECT_NE(pclose(pipe), 0);
    EXPECT_EQ(printed, "plexmoor: the plug-in has no window named Nope\n");
}

} // namespace
} // namespace plxtest

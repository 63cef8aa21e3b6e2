// Plug-in panels in the host's preferences window and output-style
// editor: the order of the panel messages, the container and declaration
// checks, saving and discarding, and host request 227.
#include <gtest/gtest.h>

#include "host/groups.h"
#include "host/panel_window.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "host/window_watch.h"
#include "tests/common/plugin_host.h"
#include "tests/host/ui_plugin.h"
#include "ui/ui.h"

using namespace plxtest;

namespace {

class HostPanels : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ui::reset());
        ASSERT_EQ(attachUiPlugin(host_), 0);
    }
    void TearDown() override { ui::clearScript(); }

    static void script(const std::string& text) {
        std::vector<ui::Action> actions;
        std::string error;
        ASSERT_TRUE(ui::parseScript(text, &actions, &error)) << error;
        ui::setScript(actions);
    }
    std::vector<std::string>& events() { return uiPluginSeen().events; }

    TempHome home_;
    plxhost::Host host_;
};

// The panel messages of one window's life, without the notifications of
// worked controls.
const std::vector<std::string> kOpening = {"panel 0x80000000 0", "panel 0x80000002 1",
                                           "panel 0x00000002 2", "panel 0x00000000 0"};

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

} // namespace

TEST_F(HostPanels, PreferencesPanelIsBuiltByThePluginPlacedAndSavedOnOk) {
    uiPluginScript().panelValue = kXTPanelShowFirst;
    plxhost::WindowWatch watch;
    script("[Preferences] toggle #3\n"
           "[Preferences] choose #6 \"b\"\n"
           "[Preferences] click \"OK\"\n");
    EXPECT_EQ(plxhost::runPreferencesWindow(host_), 1);
    ASSERT_EQ(watch.seen().size(), 1u);
    const ui::ControlInfo& window = watch.seen()[0].opened;
    EXPECT_EQ(window.text, "Preferences");
    ui::ControlInfo tabs = plxhost::controlIn(window, plxhost::PanelWindow::kTabsId);
    EXPECT_EQ(tabs.items, (std::vector<std::string>{"General", "Tester"}));
    EXPECT_EQ(tabs.selection, 1);
    // The pane keeps the size the plug-in gave it, in the host's place.
    EXPECT_EQ(plxhost::controlIn(window, plxhost::PanelWindow::kFirstPanelId).rect,
              (ui::Rect{10, 44, 250, 90}));
    EXPECT_EQ(uiPluginSeen().addPanelResult, 0);
    EXPECT_EQ(
        uiPluginSeen().declareResults,
        (std::vector<int32_t>{0, 0, 0, kXTParamErr, kXTNotFoundErr, kXTParamErr, kXTParamErr}));
    EXPECT_EQ(events(), with(with({"279"}, kOpening), {"hit 3", "hit 6", "panel 0x08000001 0"}));
    EXPECT_EQ(uiPluginSeen().checkAtSave, 1);
}

TEST_F(HostPanels, CancelSavesNothingAndAnUnansweredTemplateDropsThePanel) {
    // The window opens on the host's page: the panel's tab is chosen first.
    script("[Preferences] choose #102 \"Tester\"\n[Preferences] toggle #3\n"
           "[Preferences] click \"Cancel\"\n");
    EXPECT_EQ(plxhost::runPreferencesWindow(host_), 2);
    EXPECT_EQ(events(), with({"279"}, with(kOpening, {"hit 3"})));
    EXPECT_EQ(uiPluginSeen().checkAtSave, -1);

    events().clear();
    uiPluginScript().answerTemplate = false;
    plxhost::WindowWatch watch;
    script("[Preferences] click \"OK\"\n");
    EXPECT_EQ(plxhost::runPreferencesWindow(host_), 1);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(plxhost::controlIn(watch.seen()[0].opened, plxhost::PanelWindow::kTabsId).items,
              std::vector<std::string>{"General"});
    EXPECT_EQ(events(), (std::vector<std::string>{"279", "panel 0x80000000 0"}));
}

TEST_F(HostPanels, ReturnConfirmsAndEscapeCancelsWhereverTheFocusIs) {
    uiPluginScript().panelValue = kXTPanelShowFirst;
    script("[Preferences] focus #6\n[Preferences] key Return\n");
    EXPECT_EQ(plxhost::runPreferencesWindow(host_), 1);
    EXPECT_EQ(events().back(), "panel 0x08000001 0");
    events().clear();
    script("[Preferences] focus #3\n[Preferences] key Escape\n");
    EXPECT_EQ(plxhost::runPreferencesWindow(host_), 2);
    EXPECT_NE(events().back(), "panel 0x08000001 0");
}

TEST_F(HostPanels, ContainerTakesPanelsOnlyDuringItsCallbackAndOnlyRegisteredOnes) {
    uiPluginScript().panelIdOverride = 0x7FFF0000;
    script("[Preferences] click \"Cancel\"\n");
    plxhost::runPreferencesWindow(host_);
    EXPECT_EQ(uiPluginSeen().addPanelResult, kXTParamErr);

    plxhost::PanelWindow window(host_, "Probe", "Own", "OK");
    const XTTabControlFuncs& tabs = plxhost::kTabControlGroup;
    EXPECT_EQ(tabs.addPanel(window.container(), kXTFirstReservedCallbackId, 0), kXTParamErr);
    EXPECT_EQ(tabs.addPanel(nullptr, kXTFirstReservedCallbackId, 0), kXTParamErr);
    int32_t during = -1;
    window.collectPanels(
        [&]() { during = tabs.addPanel(window.container(), kXTFirstReservedCallbackId, 0); });
    EXPECT_EQ(during, 0);
    ASSERT_EQ(window.panels().size(), 1u);
    EXPECT_EQ(window.panels()[0].declared.size(), 3u);
    // Declaring is over once the panel is built.
    EXPECT_EQ(
        plxhost::kButtonControlGroup.declareControl(window.panels()[0].pane, 3, kXTControlCheckBox),
        kXTParamErr);
}

TEST_F(HostPanels, StyleEditorSavesPanelsThenTheHostsOptionsOnSaveOnly) {
    OutputStyleRef pdf = host_.styles().defaultStyle(kXTMediumPDF);
    ASSERT_NE(pdf, nullptr);
    bool spreadsBefore = host_.styles().spreads(pdf);
    script("[Edit Output Style] toggle #112\n"
           "[Edit Output Style] choose #102 \"Tester\"\n"
           "[Edit Output Style] toggle #3\n"
           "[Edit Output Style] click \"Cancel\"\n");
    EXPECT_EQ(plxhost::editOutputStyle(host_, pdf), 2);
    EXPECT_EQ(events(), with({"728 Default PDF"}, with(kOpening, {"hit 3"})));
    EXPECT_EQ(uiPluginSeen().stylesPanelDoneValue, static_cast<uint32_t>(kXTStylesEditorDiscarded));
    EXPECT_EQ(host_.styles().spreads(pdf), spreadsBefore);

    events().clear();
    script("[Edit Output Style] toggle #112\n"
           "[Edit Output Style] choose #102 \"Tester\"\n"
           "[Edit Output Style] toggle #3\n"
           "[Edit Output Style] click \"Save\"\n");
    EXPECT_EQ(plxhost::editOutputStyle(host_, pdf), 1);
    EXPECT_EQ(events().back(), "panel 0x08000001 0");
    EXPECT_EQ(uiPluginSeen().checkAtSave, 1);
    EXPECT_EQ(uiPluginSeen().stylesPanelDoneValue, static_cast<uint32_t>(kXTStylesEditorSaved));
    EXPECT_EQ(host_.styles().spreads(pdf), !spreadsBefore);
    // The host's option reached the file: a new host reads it back.
    plxhost::StyleStore again;
    EXPECT_EQ(again.spreads(again.defaultStyle(kXTMediumPDF)), !spreadsBefore);
}

TEST_F(HostPanels, StyleWithoutMediumHasNoSpreadsOption) {
    OutputStyleRef none = nullptr;
    ASSERT_EQ(host_.styles().create("Plain", kXTMediumNone, &none, nullptr), 0);
    plxhost::WindowWatch watch;
    script("[Edit Output Style] click \"Save\"\n");
    EXPECT_EQ(plxhost::editOutputStyle(host_, none), 1);
    ASSERT_EQ(watch.seen().size(), 1u);
    bool hasSpreads = plxhost::controlIn(watch.seen()[0].opened, plxhost::kStyleSpreadsId).handle;
    EXPECT_FALSE(hasSpreads);
    EXPECT_EQ(plxhost::editOutputStyle(host_, reinterpret_cast<OutputStyleRef>(&hasSpreads)), 0);
}

TEST_F(HostPanels, RequestOpensTheStyleListWhichMakesAndEditsStyles) {
    script("[Output Styles] type #103 \"Proof\"\n"
           "[Output Styles] choose #104 \"EPS\"\n"
           "[Output Styles] click #102\n"
           "[Output Styles] click #101\n"
           "[Edit Output Style] click \"Cancel\"\n"
           "[Output Styles] type #103 \"Proof\"\n"
           "[Output Styles] click #102\n"
           "[@message] answer 1\n"
           "[Output Styles] click \"Done\"\n");
    EXPECT_EQ(plxhost::kHostRequestGroup.sendHostRequest(kXTRequestEditOutputStyles, nullptr), 0);
    OutputStyleRef proof = host_.styles().find("Proof");
    ASSERT_NE(proof, nullptr);
    EXPECT_EQ(proof->medium, static_cast<uint32_t>(kXTMediumEPS));
    // The new style was selected, so Edit opened it.
    EXPECT_EQ(events(), with({"728 Proof"}, kOpening));
    std::vector<std::string> boxes;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::MessageBox) boxes.push_back(r.text);
    ASSERT_EQ(boxes.size(), 1u); // the second "Proof" is refused
    EXPECT_NE(boxes[0].find("exists already"), std::string::npos);
    EXPECT_EQ(ui::scriptRemaining(), 0u);
    EXPECT_EQ(plxhost::kHostRequestGroup.sendHostRequest(12345, nullptr), kXTParamErr);
}

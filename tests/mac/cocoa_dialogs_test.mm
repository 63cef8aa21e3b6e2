// The plug-in's Cocoa dialogs, driven from code in their modal runs: the
// export through PlxExportPanel and the progress session, the invalid page
// range, the preferences dialog of PlxDlgController and the message boxes,
// in English and German. Runs under Xvfb (scripts/test-mac.sh).
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "host/host.h"
#include "host/output_styles.h"
#include "host/panel_window.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "modal_driver.h"
#include "ui/script.h"
#include "xt/QXPXTCallback.h"
#include "xt/xtcallbacks.h"

namespace {

const std::string kCocoaBundle = std::string(PLX_BINARY_DIR) + "/lib/Plexmoor.bundle";

// The submenu's commands, in order.
enum { kExportPages = 0, kExportBox = 1, kPrefs = 3, kAbout = 4 };

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.') names.insert(entry->d_name);
        closedir(dir);
    }
    return names;
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class CocoaDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        pool_ = [[NSAutoreleasePool alloc] init];
        char folder[] = "/tmp/plx-cocoa-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        out_ = folder;
    }
    void TearDown() override {
        for (const std::string& name : filesIn(out_)) unlink((out_ + "/" + name).c_str());
        rmdir(out_.c_str());
        [pool_ drain];
    }

    // A host with the output styles as it makes them (other tests of this
    // program edit the default EPS style's naming options).
    void start(uint16_t language, bool withLayout = true) {
        std::remove(plxhost::StyleStore::defaultPath().c_str());
        host_ = std::make_unique<plxhost::Host>();
        std::string error;
        ASSERT_EQ(host_->loadPlugin(kCocoaBundle + "/Plexmoor", &error), 0) << error;
        host_->sendLanguage(language);
        if (withLayout)
            ASSERT_GE(host_->documents().openProject(PLX_SOURCE_DIR "/examples/Catalog.proj", &error), 0)
                << error;
        host_->menus().mainMenu();
    }

    // Chooses a command of the plug-in's submenu while the steps act in the
    // windows it opens. False when a step was still waiting at the end.
    bool choose(int index, const std::vector<ModalStep>& steps) {
        NSMenuItem* utilities = (NSMenuItem*)[[NSApp mainMenu] itemWithTag:kXTMenuTagUtilities];
        NSMenu* menu = nil;
        for (NSMenuItem* item in [[utilities submenu] itemArray])
            if ([[item title] isEqualToString:@"Plexmoor"]) menu = [item submenu];
        NSMenuItem* item = (NSMenuItem*)[menu itemAtIndex:index];
        PlxModalDriver* driver = [[PlxModalDriver alloc] initWithSteps:steps];
        [NSApp sendAction:[item action] to:[item target] from:item];
        BOOL done = [driver finished] && ![driver timedOut];
        [driver stop];
        [driver release];
        return done;
    }

    // The export panel's step: the folder, the page text (nil: as it is),
    // then OK.
    ModalStep exportPanelStep(NSString* pages, std::string* shownName = nullptr) {
        return [this, pages, shownName] {
            if (!modal::windowIs("PlxExportPanel")) return false;
            NSSavePanel* panel = (NSSavePanel*)modal::window();
            if (shownName) *shownName = [[panel nameFieldStringValue] UTF8String];
            [panel setDirectory:[NSString stringWithUTF8String:out_.c_str()]];
            if (pages) [(NSTextField*)[[panel accessoryView] viewWithTag:3] setStringValue:pages];
            modal::sendLater(panel, @selector(ok:));
            return true;
        };
    }

    // Waits for a message box titled "Plexmoor", keeps its texts (and
    // whether it shows the plug-in's icon) and presses its button `button`.
    static ModalStep messageStep(std::string* texts, bool* icon = nullptr,
                                 NSString* button = @"OK") {
        return [texts, icon, button] {
            NSWindow* box = modal::window();
            if (!box || modal::windowIs("NSSavePanel") || ![[box title] isEqualToString:@"Plexmoor"])
                return false;
            NSButton* pressed = modal::buttonTitled(box, button);
            if (!pressed) return false;
            *texts += modal::textsOf(box) + "\n";
            // The plug-in's icon is 64 points square; GNUstep's own is smaller.
            for (NSSize size : modal::imagesOf(box))
                if (icon && size.width == 64 && size.height == 64) *icon = true;
            modal::press(pressed);
            return true;
        };
    }

    std::unique_ptr<plxhost::Host> host_;
    std::string out_;

  private:
    NSAutoreleasePool* pool_ = nil;
};

TEST_F(CocoaDialogs, ExportThroughThePanelWritesTheFilesOfTheLinuxBuild) {
    start(0);
    std::string shown;
    ASSERT_TRUE(choose(kExportPages, {exportPanelStep(@"ii-1", &shown)}));
    // The name field: the project's name with the default EPS style's
    // suffix; its extension goes, so the files are named as on Linux.
    EXPECT_EQ(shown, "Catalog.eps");
    EXPECT_EQ(filesIn(out_), (std::set<std::string>{"Catalog_001.eps", "Catalog_ii.eps",
                                                     "Catalog_iii.eps", "Catalog_iv.eps"}));
    EXPECT_NE(readFile(out_ + "/Catalog_ii.eps").find("%%Plexmoor: 6.72\r"), std::string::npos);
}

TEST_F(CocoaDialogs, EditOpensTheHostsStyleEditorAndTheExportGoesOnWithTheStyleAsEdited) {
    start(0);
    // In the host's editor: the default EPS style, the plug-in's page, the
    // separator "-" typed into its Cocoa panel, Save, Done.
    using ui::Action;
    using ui::ControlRef;
    using ui::WindowRef;
    WindowRef list = WindowRef::titled(plxhost::kOutputStylesTitle);
    WindowRef editor = WindowRef::titled(plxhost::kEditStyleTitle);
    std::vector<Action> inEditor = {
        Action::chooseText(list, ControlRef::byId(plxhost::kStylesListId), "Default EPS"),
        Action::click(list, ControlRef::byId(plxhost::kStylesEditId)),
        Action::chooseText(editor, ControlRef::byId(plxhost::PanelWindow::kTabsId), "Plexmoor"),
        Action::type(editor, ControlRef::byId(4), "-"),
        Action::click(editor, ControlRef::byText("Save")),
        Action::click(list, ControlRef::byText("Done"))};
    std::string nameAfter;
    size_t leftInEditor = 1;
    ModalStep edit = [&] {
        if (!modal::windowIs("PlxExportPanel")) return false;
        NSSavePanel* panel = (NSSavePanel*)modal::window();
        ui::setScript(inEditor);
        // The host's editor runs and closes inside the button's action.
        modal::press([[panel accessoryView] viewWithTag:10]);
        leftInEditor = ui::scriptRemaining();
        ui::clearScript();
        nameAfter = [[panel nameFieldStringValue] UTF8String];
        return true;
    };
    ASSERT_TRUE(choose(kExportPages, {edit, exportPanelStep(@"ii-1")}));
    EXPECT_EQ(leftInEditor, 0u) << "the editor did not take the whole script";
    EXPECT_EQ(nameAfter, "Catalog.eps");
    // The panel went on with the style as it was saved.
    EXPECT_EQ(filesIn(out_), (std::set<std::string>{"Catalog-001.eps", "Catalog-ii.eps",
                                                     "Catalog-iii.eps", "Catalog-iv.eps"}));
}

TEST_F(CocoaDialogs, TheHostsEditMenuIsTheThirdAndOpensItsWindows) {
    start(0, false);
    NSMenu* mainMenu = [NSApp mainMenu];
    ASSERT_GE([mainMenu numberOfItems], 3);
    NSMenuItem* edit = (NSMenuItem*)[mainMenu itemAtIndex:2];
    EXPECT_STREQ([[edit title] UTF8String], "Edit");
    const struct {
        const char* action;
        const char* window;
        const char* button;
    } items[] = {{"outputStylesAction:", plxhost::kOutputStylesTitle, "Done"},
                 {"preferencesAction:", plxhost::kPreferencesTitle, "Cancel"}};
    for (const auto& expected : items) {
        NSMenuItem* found = nil;
        for (NSMenuItem* item in [[edit submenu] itemArray])
            if (sel_isEqual([item action], sel_registerName(expected.action))) found = item;
        ASSERT_NE(found, nil) << expected.action;
        // The window runs modally inside the action and takes the script.
        ui::setScript({ui::Action::click(ui::WindowRef::titled(expected.window),
                                         ui::ControlRef::byText(expected.button))});
        [NSApp sendAction:[found action] to:[found target] from:found];
        EXPECT_EQ(ui::scriptRemaining(), 0u) << expected.window << " did not open";
        ui::clearScript();
    }
}

TEST_F(CocoaDialogs, EditWithTooShortAMainMenuOpensNothingAndThePanelStaysOpen) {
    start(0);
    bool stillOpen = false;
    ModalStep edit = [&stillOpen] {
        if (!modal::windowIs("PlxExportPanel")) return false;
        NSSavePanel* panel = (NSSavePanel*)modal::window();
        NSMenu* full = [[NSApp mainMenu] retain];
        NSMenu* shortMenu = [[[NSMenu alloc] initWithTitle:@"short"] autorelease];
        [NSApp setMainMenu:shortMenu];
        // Anything the button opened would take this and end.
        ui::setScript({ui::Action::click(ui::WindowRef::titled(plxhost::kOutputStylesTitle),
                                         ui::ControlRef::byText("Done"))});
        modal::press([[panel accessoryView] viewWithTag:10]);
        stillOpen = ui::scriptRemaining() == 1 && modal::window() == panel;
        ui::clearScript();
        [NSApp setMainMenu:full];
        [full release];
        modal::sendLater(panel, @selector(cancel:));
        return true;
    };
    ASSERT_TRUE(choose(kExportPages, {edit}));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(filesIn(out_).empty());
}

TEST_F(CocoaDialogs, StyleListFallsBackToTheFirstAndTheNameFollowsTheSuffix) {
    const char* home = getenv("PLX_PASSWD_HOME");
    ASSERT_NE(home, nullptr) << "run with PLX_PASSWD_HOME (scripts/test-mac.sh)";
    std::string folder = std::string(home) + "/GNUstep/Library/ApplicationSupport/Korvane";
    ASSERT_EQ(system(("mkdir -p '" + folder + "'").c_str()), 0);
    {
        // The style used last is gone from the host.
        std::ofstream settings(folder + "/Plexmoor.ini", std::ios::binary);
        settings << "[General]\rOutputStyle=Gone\r";
    }
    start(0);
    std::string selected, name;
    std::vector<std::string> items;
    ModalStep look = [&] {
        if (!modal::windowIs("PlxExportPanel")) return false;
        NSSavePanel* panel = (NSSavePanel*)modal::window();
        NSPopUpButton* styles = [[panel accessoryView] viewWithTag:9];
        selected = [[styles titleOfSelectedItem] UTF8String];
        for (NSMenuItem* item in [styles itemArray])
            items.push_back([item isSeparatorItem] ? "-" : [[item title] UTF8String]);
        [styles selectItemWithTitle:@"Default PDF"];
        modal::press(styles);
        name = [[panel nameFieldStringValue] UTF8String];
        modal::sendLater(panel, @selector(cancel:));
        return true;
    };
    ASSERT_TRUE(choose(kExportPages, {look}));
    EXPECT_EQ(selected, "Default EPS");
    // The EPS styles, a separator line, the PDF styles.
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items.front(), "Default EPS");
    auto separator = std::find(items.begin(), items.end(), "-");
    ASSERT_NE(separator, items.end());
    EXPECT_EQ(*(separator + 1), "Default PDF");
    EXPECT_EQ(name, "Catalog.pdf");
    EXPECT_TRUE(filesIn(out_).empty());
}

TEST_F(CocoaDialogs, BoxExportOffersOnlyTheFilePartAndWritesOneFile) {
    start(0);
    std::set<int> enabled;
    ModalStep look = [&enabled] {
        if (!modal::windowIs("PlxExportPanel")) return false;
        NSView* options = [(NSSavePanel*)modal::window() accessoryView];
        for (int tag = 3; tag <= 10; ++tag)
            if ([[options viewWithTag:tag] isEnabled]) enabled.insert(tag);
        return true;
    };
    // Catalog.proj opens with a box selected.
    ASSERT_TRUE(choose(kExportBox, {look, exportPanelStep(nil)}));
    // The base name, the style list and its edit button.
    EXPECT_EQ(enabled, (std::set<int>{7, 9, 10}));
    EXPECT_EQ(filesIn(out_), (std::set<std::string>{"Catalog.eps"}));
}

TEST_F(CocoaDialogs, CancelInTheProgressSessionStopsAfterThePageUnderWay) {
    start(0);
    size_t filesAtCancel = 0;
    ModalStep cancel = [this, &filesAtCancel] {
        NSWindow* w = modal::window();
        if (!w || modal::windowIs("NSSavePanel")) return false;
        NSProgressIndicator* bar = [[w contentView] viewWithTag:3];
        if (![bar isKindOfClass:[NSProgressIndicator class]] || [bar doubleValue] < 1) return false;
        filesAtCancel = filesIn(out_).size();
        modal::press([[w contentView] viewWithTag:2]);
        return true;
    };
    ASSERT_TRUE(choose(kExportPages, {exportPanelStep(@"ii-1"), cancel}));
    // Cancel was seen between pages: the run wrote what it had started
    // and nothing after.
    EXPECT_GE(filesAtCancel, 1u);
    EXPECT_LT(filesAtCancel, 4u);
    EXPECT_EQ(filesIn(out_).size(), filesAtCancel);
}

TEST_F(CocoaDialogs, InvalidPageRangeKeepsThePanelOpenWithItsMessageInGerman) {
    start(3);
    std::string messages;
    // 250 bytes: longer than the panel takes.
    NSString* tooLong = [@"" stringByPaddingToLength:250 withString:@"1," startingAtIndex:0];
    NSString* stillOpen = nil;
    auto retry = [&stillOpen](NSString* pages) -> ModalStep {
        return [&stillOpen, pages] {
            if (!modal::windowIs("PlxExportPanel")) return false;
            NSSavePanel* panel = (NSSavePanel*)modal::window();
            NSTextField* field = [[panel accessoryView] viewWithTag:3];
            if (!stillOpen) stillOpen = [[field stringValue] retain];
            [field setStringValue:pages];
            modal::sendLater(panel, @selector(ok:));
            return true;
        };
    };
    ModalStep cancelPanel = [] {
        if (!modal::windowIs("PlxExportPanel")) return false;
        modal::sendLater(modal::window(), @selector(cancel:));
        return true;
    };
    ASSERT_TRUE(choose(kExportPages, {exportPanelStep(@"12-zz"), messageStep(&messages),
                                      retry(tooLong), messageStep(&messages), cancelPanel}));
    EXPECT_EQ(messages, "Keine gültige Seitennummer\nKeine gültige Seitennummer\n");
    // The panel stayed open on its first text.
    EXPECT_STREQ([stillOpen UTF8String], "12-zz");
    [stillOpen release];
    EXPECT_TRUE(filesIn(out_).empty());
}

TEST_F(CocoaDialogs, AboutBoxInEnglishAndGerman) {
    std::string english, german;
    bool icon = false;
    start(0, false);
    ASSERT_TRUE(choose(kAbout, {messageStep(&english, &icon)}));
    EXPECT_TRUE(icon);
    plxhost::Host second;
    std::string error;
    ASSERT_EQ(second.loadPlugin(kCocoaBundle + "/Plexmoor", &error), 0) << error;
    second.sendLanguage(3);
    second.menus().mainMenu();
    ASSERT_TRUE(choose(kAbout, {messageStep(&german)}));
    EXPECT_NE(english.find("Plexmoor 6.72|Copyright © "), std::string::npos) << english;
    EXPECT_NE(english.find("Korvane. All rights reserved."), std::string::npos) << english;
    EXPECT_NE(german.find("Plexmoor 6.72|Copyright © "), std::string::npos) << german;
    EXPECT_NE(german.find("Korvane. Alle Rechte vorbehalten."), std::string::npos) << german;
}

// How a person leaves the preferences dialog: with the button tagged 1 or
// 2, with Escape, or with the close box.
enum class Leave { Ok, Cancel, Escape, CloseBox };

TEST_F(CocoaDialogs, TabGoesThroughThePreferencesDialogInItsOrder) {
    start(0, false);
    std::vector<NSInteger> order;
    ModalStep tab = [&order] {
        NSWindow* w = modal::window();
        NSView* first = [[w contentView] viewWithTag:3];
        if (![[w title] isEqualToString:@"Plexmoor"] || !first) return false;
        [w makeFirstResponder:first];
        for (int i = 0; i < 6; ++i) {
            id responder = [w firstResponder];
            order.push_back([responder respondsToSelector:@selector(tag)] ? [responder tag] : -1);
            [w selectNextKeyView:nil];
        }
        modal::press([[w contentView] viewWithTag:2]);
        return true;
    };
    ASSERT_TRUE(choose(kPrefs, {tab}));
    // In the order the description makes them, not by their places (Cancel
    // stands beside the second check box), and round again.
    EXPECT_EQ(order, (std::vector<NSInteger>{3, 4, 5, 2, 1, 3}));
}

TEST_F(CocoaDialogs, PreferencesDialogStoresOnOkOnly) {
    const char* home = getenv("PLX_PASSWD_HOME");
    ASSERT_NE(home, nullptr) << "run with PLX_PASSWD_HOME (scripts/test-mac.sh)";
    std::string ini = std::string(home) + "/GNUstep/Library/ApplicationSupport/Korvane/Plexmoor.ini";
    remove(ini.c_str());
    start(0, false);
    auto dialogStep = [](Leave leave, NSInteger loggingState) -> ModalStep {
        return [leave, loggingState] {
            NSWindow* w = modal::window();
            NSButton* logging = [[w contentView] viewWithTag:4];
            if (![logging isKindOfClass:[NSButton class]] || ![[w title] isEqualToString:@"Plexmoor"])
                return false;
            [logging setState:loggingState];
            switch (leave) {
            case Leave::Ok: modal::press([[w contentView] viewWithTag:1]); break;
            case Leave::Cancel: modal::press([[w contentView] viewWithTag:2]); break;
            case Leave::Escape: modal::key(w, @"\033"); break;
            case Leave::CloseBox: [w performClose:nil]; break;
            }
            return true;
        };
    };
    ASSERT_TRUE(choose(kPrefs, {dialogStep(Leave::Ok, NSOnState)}));
    std::string stored = readFile(ini);
    EXPECT_NE(stored.find("Logging=1\r"), std::string::npos) << stored;

    for (Leave leave : {Leave::Cancel, Leave::Escape, Leave::CloseBox}) {
        ASSERT_TRUE(choose(kPrefs, {dialogStep(leave, NSOffState)})) << static_cast<int>(leave);
        EXPECT_EQ(readFile(ini), stored) << static_cast<int>(leave);
    }
}

} // namespace

namespace {

TEST_F(CocoaDialogs, PreferencesPanelInItsOwnWindowStoresOnOkOnly) {
    const char* home = getenv("PLX_PASSWD_HOME");
    ASSERT_NE(home, nullptr) << "run with PLX_PASSWD_HOME (scripts/test-mac.sh)";
    std::string ini = std::string(home) + "/GNUstep/Library/ApplicationSupport/Korvane/Plexmoor.ini";
    remove(ini.c_str());
    start(3, false);
    Class panelClass = NSClassFromString(@"PlxPrefsController");
    ASSERT_TRUE(panelClass && [panelClass respondsToSelector:@selector(runModal)]);
    using RunModal = NSInteger (*)(id, SEL);
    auto runModal = reinterpret_cast<RunModal>([panelClass methodForSelector:@selector(runModal)]);

    // The panel's own window: its check boxes, OK and Cancel, in German.
    std::string texts;
    auto leave = [&texts](NSInteger button) -> ModalStep {
        return [&texts, button] {
            NSWindow* w = modal::window();
            NSButton* logging = [[w contentView] viewWithTag:4];
            if (![logging isKindOfClass:[NSButton class]] || ![[w title] isEqualToString:@"Plexmoor"])
                return false;
            texts = [[logging title] UTF8String] + std::string("|") +
                    [[(NSButton*)[[w contentView] viewWithTag:1] title] UTF8String] + "|" +
                    [[(NSButton*)[[w contentView] viewWithTag:2] title] UTF8String];
            [logging setState:NSOnState];
            modal::press([[w contentView] viewWithTag:button]);
            return true;
        };
    };
    PlxModalDriver* driver = [[PlxModalDriver alloc] initWithSteps:{leave(2)}];
    NSInteger cancelled = runModal(panelClass, @selector(runModal));
    EXPECT_TRUE([driver finished] && ![driver timedOut]);
    [driver stop];
    [driver release];
    EXPECT_EQ(cancelled, NSRunAbortedResponse);
    EXPECT_EQ(texts, "Protokolldatei|OK|Abbrechen");
    EXPECT_EQ(readFile(ini), "") << "Cancel stored the settings";

    driver = [[PlxModalDriver alloc] initWithSteps:{leave(1)}];
    NSInteger confirmed = runModal(panelClass, @selector(runModal));
    EXPECT_TRUE([driver finished] && ![driver timedOut]);
    [driver stop];
    [driver release];
    EXPECT_EQ(confirmed, NSOKButton);
    EXPECT_NE(readFile(ini).find("Logging=1\r"), std::string::npos) << readFile(ini);
}

} // namespace

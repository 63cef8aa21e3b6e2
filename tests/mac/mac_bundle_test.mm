// Plexmoor.bundle in the stand-in host's Cocoa side: activation, the
// registrations of the macOS scheme, the submenu and the context-menu
// entry, the bundle's Info plist and resources, and the log's CR lines.
// Runs under Xvfb with a private home folder (scripts/test-mac.sh).
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/platform/mac/qxp_callback.h"
#include "plx_prefs_controller.h"
#include "plx_styles_controller.h"
#include "xt/xtoutput.h"
#include "xt/xtcallbacks.h"

namespace {

const std::string kBundle = std::string(PLX_BINARY_DIR) + "/lib/Plexmoor.bundle";

static_assert(kXTPlatformThis == kXTPlatformMac, "the macOS build exchanges platform code 5");

class MacBundle : public ::testing::Test {
  protected:
    void SetUp() override { pool_ = [[NSAutoreleasePool alloc] init]; }
    void TearDown() override { [pool_ drain]; }

    // A host with the bundle loaded and activated, in the given language.
    void start(plxhost::Host& host, uint16_t language = 0) {
        std::string error;
        ASSERT_EQ(host.loadPlugin(kBundle + "/Plexmoor", &error), 0) << error;
        host.sendLanguage(language);
    }

    // The last submenu "Plexmoor" under the main menu's item tagged 9: each
    // host of this process adds one.
    static NSMenu* plexmoorMenu() {
        NSMenu* utilities = [(NSMenuItem*)[[NSApp mainMenu] itemWithTag:kXTMenuTagUtilities] submenu];
        NSMenu* found = nil;
        for (NSMenuItem* item in [utilities itemArray])
            if ([[item title] isEqualToString:@"Plexmoor"]) found = [item submenu];
        return found;
    }

    // Titles ("-" for a separator) and whether the target enables each.
    static std::vector<std::string> itemsOf(NSMenu* menu) {
        std::vector<std::string> out;
        for (NSMenuItem* item in [menu itemArray]) {
            if ([item isSeparatorItem]) {
                out.push_back("-");
                continue;
            }
            BOOL enabled = [[item target] validateMenuItem:item];
            out.push_back(std::string([[item title] UTF8String]) + (enabled ? "" : " (off)"));
        }
        return out;
    }

    static std::string home() {
        const char* h = getenv("PLX_PASSWD_HOME");
        return h ? h : "";
    }

  private:
    NSAutoreleasePool* pool_ = nil;
};

TEST_F(MacBundle, ActivationRegistersTheCocoaSchemeWithFlags7) {
    plxhost::Host host;
    start(host);
    ASSERT_EQ(host.plugins().size(), 1u);
    EXPECT_EQ(host.plugins()[0].id, XT_FOURCC('B', 'W', 'Y', 'A'));
    EXPECT_TRUE(host.plugins()[0].active);

    // Through the set-up record: flags 7, priority 200. The menus and
    // panels come through the callback object (flags 1); the Windows
    // scheme's update and command callbacks are not registered at all.
    const std::set<int32_t> cocoa = {kXTCBAddMenus, kXTCBContextMenu, kXTCBOutputStyles,
                                     kXTCBAppPrefs};
    std::set<int32_t> codes;
    for (const plxhost::Registration& r : host.callbacks().all()) {
        codes.insert(r.code);
        EXPECT_EQ(r.flags, cocoa.count(r.code) ? 1 : 7) << "code " << r.code;
        EXPECT_EQ(r.priority, 200) << "code " << r.code;
    }
    for (int32_t code : {kXTCBLanguage, kXTCBSettingsCheck, kXTCBQuit, kXTCBStylesPanelDone,
                         kXTCBAddMenus, kXTCBContextMenu, kXTCBOutputStyles, kXTCBAppPrefs})
        EXPECT_EQ(codes.count(code), 1u) << "code " << code;
    EXPECT_EQ(codes.count(kXTCBUpdateMenus), 0u);
    EXPECT_EQ(codes.count(kXTCBMenuCommand), 0u);

    std::vector<int32_t> order;
    for (QXPXTCallbackRegistration* r in [[QXPXTCallback sharedInstance] registrations])
        order.push_back([r code]);
    EXPECT_EQ(order, (std::vector<int32_t>{kXTCBAddMenus, kXTCBContextMenu, kXTCBOutputStyles,
                                           kXTCBAppPrefs}));
}

TEST_F(MacBundle, SubmenuHangsFromTheTaggedItemInBothLanguages) {
    {
        plxhost::Host host;
        start(host);
        host.menus().mainMenu();
        // No document: both export commands are off.
        EXPECT_EQ(itemsOf(plexmoorMenu()),
                  (std::vector<std::string>{"Save page(s) as EPS/PDF… (off)",
                                            "Save current box as EPS/PDF… (off)", "-",
                                            "Preferences…", "About…"}));
    }
    plxhost::Host host;
    start(host, 3);
    host.menus().mainMenu();
    std::vector<std::string> items = itemsOf(plexmoorMenu());
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0], "Seiten als EPS/PDF… (off)");
    EXPECT_EQ(items[1], "Rahmen als EPS/PDF… (off)");
    EXPECT_EQ(items[3], "Voreinstellungen…");
    EXPECT_EQ(items[4], "Über…");
}

TEST_F(MacBundle, ContextMenuOffersTheCommandTheSelectionCallsFor) {
    plxhost::Host host;
    start(host);
    std::string error;
    ASSERT_GE(host.documents().openProject(PLX_SOURCE_DIR "/examples/Catalog.proj", &error), 0)
        << error;
    host.menus().mainMenu();
    EXPECT_EQ(itemsOf(plexmoorMenu())[0], "Save page(s) as EPS/PDF…");

    // Catalog.proj opens with a box selected.
    host.menus().contextMenu();
    EXPECT_EQ(itemsOf([[QXPXTCallback sharedInstance] lastContextMenu]),
              (std::vector<std::string>{"-", "Save current box as EPS/PDF…"}));

    host.documents().selectBox(host.documents().front()->docRef, 0);
    host.menus().contextMenu();
    EXPECT_EQ(itemsOf([[QXPXTCallback sharedInstance] lastContextMenu]),
              (std::vector<std::string>{"-", "Save page(s) as EPS/PDF…"}));
    EXPECT_EQ(itemsOf(plexmoorMenu())[1], "Save current box as EPS/PDF… (off)");
}

TEST_F(MacBundle, PreferencesPanelShowsAndStoresTheSettingsWithCRs) {
    ASSERT_FALSE(home().empty()) << "run with PLX_PASSWD_HOME (scripts/test-mac.sh)";
    std::string ini = home() + "/GNUstep/Library/ApplicationSupport/Korvane/Plexmoor.ini";
    remove(ini.c_str());
    plxhost::Host host;
    start(host);
    XTAppPrefsRec rec{};
    host.sendCallback(kXTCBAppPrefs, &rec);
    NSArray* panels = [[[QXPXTCallback sharedInstance] lastPrefsContainer] panels];
    ASSERT_EQ([panels count], 1u);
    PlxPrefsController* panel = [panels objectAtIndex:0];
    EXPECT_STREQ([[panel title] UTF8String], "Plexmoor");
    NSButton* lastFolder = [[panel view] viewWithTag:3];
    NSButton* logging = [[panel view] viewWithTag:4];
    NSButton* addAlways = [[panel view] viewWithTag:5];
    // The defaults: "LastFolder" 0, "Logging" 0, "AddAlways" 1.
    EXPECT_EQ([lastFolder state], NSOffState);
    EXPECT_EQ([logging state], NSOffState);
    EXPECT_EQ([addAlways state], NSOnState);

    [logging setState:NSOnState];
    [addAlways setState:NSOffState];
    [panel saveSettings];
    std::ifstream file(ini, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("Logging=1\r"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("AddAlways=0\r"), std::string::npos) << text.str();
    EXPECT_EQ(text.str().find('\n'), std::string::npos);
}

TEST_F(MacBundle, StylesPanelStoresWhatItShowsOnlyWhenTheEditorSaves) {
    plxhost::Host host;
    start(host);
    OutputStyleRef style = host.styles().defaultStyle(kXTMediumEPS);
    ASSERT_NE(style, nullptr);
    auto open = [&]() -> PlxStylesController* {
        XTOutputStylesRec rec{};
        rec.style = style;
        host.sendCallback(kXTCBOutputStyles, &rec);
        NSArray* panels = [[[QXPXTCallback sharedInstance] lastStylesContainer] panels];
        return [panels count] == 1 ? [panels objectAtIndex:0] : nil;
    };
    auto close = [&](int32_t value) {
        XTStylesPanelDoneRec done{};
        done.style = style;
        done.value = value;
        host.sendCallback(kXTCBStylesPanelDone, &done);
    };
    auto shown = [](PlxStylesController* panel) {
        NSView* v = [panel view];
        return std::to_string([[v viewWithTag:2] indexOfSelectedItem]) + " " +
               [[[v viewWithTag:4] stringValue] UTF8String] + " " +
               std::to_string([[v viewWithTag:6] indexOfSelectedItem]) + " " +
               [[[v viewWithTag:8] stringValue] UTF8String] + " " +
               std::to_string([[v viewWithTag:9] state]) + std::to_string([[v viewWithTag:10] state]);
    };

    PlxStylesController* panel = open();
    ASSERT_NE(panel, nil);
    const std::string before = shown(panel);
    [[[panel view] viewWithTag:4] setStringValue:@"-"];
    [[[panel view] viewWithTag:6] selectItemAtIndex:4]; // none
    // Longer than 31 bytes: stored empty, never cut.
    [[[panel view] viewWithTag:8] setStringValue:[@"" stringByPaddingToLength:40
                                                                   withString:@"s"
                                                              startingAtIndex:0]];
    [[[panel view] viewWithTag:10] setState:NSOnState];
    close(kXTStylesEditorDiscarded);
    EXPECT_EQ(shown(open()), before);

    panel = open();
    [[[panel view] viewWithTag:4] setStringValue:@"-"];
    [[[panel view] viewWithTag:6] selectItemAtIndex:4];
    [[[panel view] viewWithTag:8] setStringValue:[@"" stringByPaddingToLength:40
                                                                   withString:@"s"
                                                              startingAtIndex:0]];
    [[[panel view] viewWithTag:10] setState:NSOnState];
    close(kXTStylesEditorSaved);
    EXPECT_EQ(shown(open()), "0 - 4  01");
    close(kXTStylesEditorDiscarded);
}

TEST_F(MacBundle, BundleCarriesVersionIdentifierAndResources) {
    NSBundle* bundle = [NSBundle bundleWithPath:[NSString stringWithUTF8String:kBundle.c_str()]];
    ASSERT_NE(bundle, nil);
    EXPECT_STREQ([[bundle bundleIdentifier] UTF8String], "com.korvane.plexmoor");
    EXPECT_STREQ([[bundle objectForInfoDictionaryKey:@"CFBundleShortVersionString"] UTF8String],
                 "6.72");
    for (NSString* name in @[ @"MyStrings_E", @"MyStrings_D", @"Export", @"Prefs", @"Progress" ])
        EXPECT_NE([bundle pathForResource:name ofType:@"xml"], nil) << [name UTF8String];
    // The icon message boxes show.
    NSImage* icon = [[[NSImage alloc]
        initWithContentsOfFile:[bundle pathForResource:@"Krvn" ofType:@"png"]] autorelease];
    EXPECT_TRUE(icon && [icon size].width > 0);
}

TEST_F(MacBundle, LogHoldsTheVersionLineInCRsAndMyLogLinesInLF) {
    ASSERT_FALSE(home().empty()) << "run with PLX_PASSWD_HOME (scripts/test-mac.sh)";
    std::string folder = home() + "/GNUstep/Library/ApplicationSupport/Korvane";
    ASSERT_EQ(system(("mkdir -p '" + folder + "'").c_str()), 0);
    {
        // Written by hand with LF line ends: the store reads any line ends.
        std::ofstream settings(folder + "/Plexmoor.ini", std::ios::binary);
        settings << "[General]\nLogging=1\n";
    }
    plxhost::Host host;
    start(host);
    std::string error;
    ASSERT_GE(host.documents().openProject(PLX_SOURCE_DIR "/examples/Catalog.proj", &error), 0)
        << error;
    // The controller logs the context menu it is given with MyLog.
    host.menus().contextMenu();

    std::ifstream log(home() + "/Documents/Korvane/Plexmoor.txt", std::ios::binary);
    ASSERT_TRUE(log.good());
    std::stringstream text;
    text << log.rdbuf();
    const std::string version = "\rPlexmoor: 6.72\r\r";
    ASSERT_EQ(text.str().compare(0, version.size(), version), 0) << text.str();
    std::string line = text.str().substr(version.size());
    EXPECT_TRUE(std::regex_match(line, std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}: "
                                                  "Plexmoor::doContextMenu: [^\r\n]+\n")))
        << line;
}

} // namespace

// Laying out Cocoa windows for the Mac's font: the check the macOS stage
// runs on every picture (texts that do not fit, overlapping controls;
// ui/platform/mac/cocoa_layout.h) and the toolkit's widening of check
// boxes and labels into free room (plugin/platform/mac/dialogs). Under
// Xvfb (scripts/test-mac.sh).
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dlg_cocoa.h"
#include "host/platform/mac/cocoa_host.h"
#include "ui/platform/mac/cocoa_layout.h"

namespace {

class CocoaLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        plxhost::startCocoaHost();
        pool_ = [[NSAutoreleasePool alloc] init];
        window_ = [[NSPanel alloc] initWithContentRect:NSMakeRect(0, 0, 400, 200)
                                             styleMask:NSTitledWindowMask
                                               backing:NSBackingStoreBuffered
                                                 defer:NO];
        [window_ setReleasedWhenClosed:NO];
    }
    void TearDown() override {
        [window_ release];
        [pool_ drain];
    }

    NSButton* button(NSView* parent, NSInteger tag, NSString* title, NSRect frame, bool check) {
        NSButton* b = [[[NSButton alloc] initWithFrame:frame] autorelease];
        if (check)
            [b setButtonType:NSSwitchButton];
        else
            [b setBezelStyle:NSRoundedBezelStyle];
        [b setTitle:title];
        [b setTag:tag];
        [parent addSubview:b];
        return b;
    }

    NSTextField* label(NSView* parent, NSInteger tag, NSString* text, NSRect frame) {
        NSTextField* l = [[[NSTextField alloc] initWithFrame:frame] autorelease];
        [l setStringValue:text];
        [l setEditable:NO];
        [l setBezeled:NO];
        [l setBordered:NO];
        [l setAlignment:NSLeftTextAlignment];
        [l setTag:tag];
        [parent addSubview:l];
        return l;
    }

    NSView* content() { return [window_ contentView]; }

    NSPanel* window_ = nil;

  private:
    NSAutoreleasePool* pool_ = nil;
};

TEST_F(CocoaLayout, CheckFindsWhatCannotBeReadAndNothingInAGoodWindow) {
    NSView* v = content();
    button(v, 1, @"OK", NSMakeRect(300, 10, 80, 24), false);
    button(v, 3, @"Use last folder", NSMakeRect(10, 160, 200, 20), true);
    label(v, 5, @"Pages:", NSMakeRect(10, 130, 80, 20));
    NSBox* box = [[[NSBox alloc] initWithFrame:NSMakeRect(10, 40, 250, 80)] autorelease];
    [box setTitle:@"Naming"];
    [v addSubview:box];
    // Controls inside the box lie over it by design.
    button([box contentView], 7, @"Frame", NSMakeRect(5, 5, 100, 20), true);
    EXPECT_TRUE(cocoaperson::textsNotFitting(window_).empty());
    EXPECT_TRUE(cocoaperson::overlappingControls(window_).empty());

    button(v, 2, @"Abbrechen", NSMakeRect(240, 10, 30, 24), false);
    label(v, 6, @"Absolute page numbers", NSMakeRect(60, 130, 40, 20));
    // Hidden or put aside outside the window, a control is not looked at.
    [button(v, 8, @"Hidden and far too long a title", NSMakeRect(10, 10, 20, 20), true) setHidden:YES];
    button(v, 9, @"Outside and far too long a title", NSMakeRect(500, 10, 20, 20), true);
    std::vector<std::string> cut = cocoaperson::textsNotFitting(window_);
    ASSERT_EQ(cut.size(), 2u) << (cut.empty() ? "" : cut[0]);
    EXPECT_EQ(cut[0].rfind("button 2 \"Abbrechen\" needs ", 0), 0u) << cut[0];
    EXPECT_NE(cut[0].find(" points, has 30"), std::string::npos) << cut[0];
    EXPECT_EQ(cut[1].rfind("label 6 \"Absolute page numbers\" needs ", 0), 0u) << cut[1];
    // Label 6 runs into label 5's place; button 2 clears OK.
    EXPECT_EQ(cocoaperson::overlappingControls(window_),
              std::vector<std::string>{"controls 5 and 6 overlap"});
}

TEST_F(CocoaLayout, CheckLooksAtTheSavePanelsAccessoryViewOnly) {
    NSSavePanel* panel = [NSSavePanel savePanel];
    NSView* options = [[[NSView alloc] initWithFrame:NSMakeRect(0, 0, 300, 60)] autorelease];
    button(options, 10, @"Edit…", NSMakeRect(200, 10, 20, 24), false);
    [panel setAccessoryView:options];
    std::vector<std::string> cut = cocoaperson::textsNotFitting(panel);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].rfind("button 10 ", 0), 0u) << cut[0];
    [panel setAccessoryView:nil];
}

TEST_F(CocoaLayout, ChecksAndLabelsGrowIntoFreeRoomOnly) {
    NSView* v = content();
    // Room to the right: grows to what its title needs.
    NSButton* free = button(v, 3, @"Seitennummer immer anfügen", NSMakeRect(10, 160, 60, 20), true);
    NSTextField* text = label(v, 4, @"Exportstil der Seiten:", NSMakeRect(10, 130, 30, 20));
    // A neighbour in the way, the window's edge, or a push button (whose
    // title is centred): the frame stays.
    NSButton* blocked = button(v, 5, @"Protokolldatei schreiben", NSMakeRect(10, 100, 60, 20), true);
    button(v, 6, @"OK", NSMakeRect(80, 100, 60, 20), false);
    NSButton* edge = button(v, 7, @"Letzten Ordner verwenden", NSMakeRect(350, 70, 40, 20), true);
    NSButton* push = button(v, 8, @"Bearbeiten…", NSMakeRect(10, 40, 30, 24), false);

    widenToFit(v);
    EXPECT_EQ([free frame].size.width, [[free cell] cellSize].width);
    EXPECT_GT([free frame].size.width, 60);
    EXPECT_EQ([text frame].size.width, [[text cell] cellSize].width);
    EXPECT_EQ([blocked frame].size.width, 60);
    EXPECT_EQ([edge frame].size.width, 40);
    EXPECT_EQ([push frame].size.width, 30);
    EXPECT_EQ(cocoaperson::textsNotFitting(window_).size(), 3u);
    EXPECT_TRUE(cocoaperson::overlappingControls(window_).empty());
}

} // namespace

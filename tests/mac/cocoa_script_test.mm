// Playing a script on Cocoa windows (ui/platform/mac): a dialog filled
// and confirmed through its controls' actions, an alert answered by title,
// a window the script has nothing for closed with Cancel, what the sink
// is told, and a window's picture as PNG. Under Xvfb (scripts/test-mac.sh).
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "host/platform/mac/cocoa_host.h"
#include "ui/platform/mac/cocoa_person.h"
#include "ui/platform/mac/cocoa_script.h"
#include "ui/script.h"

// Ends the modal run with the sender's tag, as a dialog's OK and Cancel do.
@interface PlxTestDialogTarget : NSObject <NSTextFieldDelegate> {
  @public
    int textChanges;
    int popUpActions;
}
- (void)end:(id)sender;
- (void)chosen:(id)sender;
- (void)controlTextDidChange:(NSNotification*)note;
@end

@implementation PlxTestDialogTarget
- (void)end:(id)sender {
    [NSApp stopModalWithCode:[sender tag]];
}
- (void)chosen:(id)sender {
    (void)sender;
    ++popUpActions;
}
- (void)controlTextDidChange:(NSNotification*)note {
    (void)note;
    ++textChanges;
}
@end

namespace {

struct Told : cocoascript::Sink {
    std::vector<ui::Record> records;
    std::vector<ui::ControlInfo> windows;
    void record(const ui::Record& r, const ui::ControlInfo& w) override {
        records.push_back(r);
        windows.push_back(w);
    }
    void progress(int, int, int) override {}
    std::string lines() const {
        std::string out;
        for (const ui::Record& r : records) out += ui::formatRecord(r) + "\n";
        return out;
    }
};

class CocoaScript : public ::testing::Test {
  protected:
    void SetUp() override {
        plxhost::startCocoaHost();
        pool_ = [[NSAutoreleasePool alloc] init];
        target_ = [[PlxTestDialogTarget alloc] init];
    }
    void TearDown() override {
        ui::clearScript();
        [target_ release];
        [pool_ drain];
    }

    NSButton* button(NSView* view, NSInteger tag, NSString* title, NSRect frame, bool check) {
        NSButton* b = [[[NSButton alloc] initWithFrame:frame] autorelease];
        if (check) [b setButtonType:NSSwitchButton];
        [b setTitle:title];
        [b setTag:tag];
        if (!check) {
            [b setTarget:target_];
            [b setAction:@selector(end:)];
        }
        [view addSubview:b];
        return b;
    }

    // "Plexmoor": check box 3, field 4, pop-up 6, OK 1 and Cancel 2.
    NSPanel* dialog() {
        NSPanel* w = [[[NSPanel alloc] initWithContentRect:NSMakeRect(100, 100, 300, 140)
                                                 styleMask:NSTitledWindowMask
                                                   backing:NSBackingStoreBuffered
                                                     defer:NO] autorelease];
        [w setTitle:@"Plexmoor"];
        NSView* v = [w contentView];
        check_ = button(v, 3, @"Logfile", NSMakeRect(10, 110, 200, 20), true);
        field_ = [[[NSTextField alloc] initWithFrame:NSMakeRect(10, 80, 120, 22)] autorelease];
        [field_ setTag:4];
        [field_ setDelegate:target_];
        [v addSubview:field_];
        popUp_ = [[[NSPopUpButton alloc] initWithFrame:NSMakeRect(140, 80, 100, 22) pullsDown:NO]
            autorelease];
        [popUp_ addItemsWithTitles:@[ @"EPS", @"PDF" ]];
        [popUp_ setTag:6];
        [popUp_ setTarget:target_];
        [popUp_ setAction:@selector(chosen:)];
        [v addSubview:popUp_];
        button(v, 2, @"Cancel", NSMakeRect(110, 10, 80, 24), false);
        button(v, 1, @"OK", NSMakeRect(200, 10, 80, 24), false);
        return w;
    }

    static void script(const char* text) {
        std::vector<ui::Action> actions;
        std::string error;
        ASSERT_TRUE(ui::parseScript(text, &actions, &error)) << error;
        ui::setScript(actions);
    }

    NSAutoreleasePool* pool_ = nil;
    PlxTestDialogTarget* target_ = nil;
    NSButton* check_ = nil;
    NSTextField* field_ = nil;
    NSPopUpButton* popUp_ = nil;
};

TEST_F(CocoaScript, FillsAndConfirmsADialogThroughItsControls) {
    NSPanel* w = dialog();
    Told told;
    cocoascript::Runner runner(&told);
    script("[Plexmoor] check #3 on\n[Plexmoor] type #4 \"ii-1\"\n[*] choose #6 \"PDF\"\n"
           "[Plexmoor] click \"OK\"\n");
    EXPECT_EQ([NSApp runModalForWindow:w], 1);
    EXPECT_EQ([check_ state], NSOnState);
    EXPECT_EQ(cocoaperson::utf8([field_ stringValue]), "ii-1");
    EXPECT_EQ([popUp_ indexOfSelectedItem], 1);
    EXPECT_EQ(target_->textChanges, 1) << "typing posts the change a typed character does";
    EXPECT_EQ(target_->popUpActions, 1);
    EXPECT_EQ(ui::scriptRemaining(), 0u);
    EXPECT_EQ(told.lines(), "[Plexmoor] opened\n[Plexmoor] check #3 on\n[Plexmoor] type #4 \"ii-1\"\n"
                            "[Plexmoor] choose #6 \"PDF\"\n[Plexmoor] click \"OK\"\n"
                            "[Plexmoor] closed: 1\n");
    // The window as it closed, in the window system's terms.
    const ui::ControlInfo& closed = told.windows.back();
    EXPECT_EQ(closed.text, "Plexmoor");
    ASSERT_EQ(closed.children.size(), 5u);
    EXPECT_EQ(closed.children[0].kind, ui::Kind::CheckBox);
    EXPECT_EQ(closed.children[0].id, 3);
    EXPECT_EQ(closed.children[0].value, 1);
    EXPECT_EQ(closed.children[1].kind, ui::Kind::Edit);
    EXPECT_EQ(closed.children[2].kind, ui::Kind::Popup);
    EXPECT_EQ(closed.children[2].text, "PDF");
    EXPECT_EQ(closed.children[4].kind, ui::Kind::PushButton);
}

TEST_F(CocoaScript, RefusesWhatAPersonCannotDoAndClosesWhatTheScriptLeaves) {
    NSPanel* w = dialog();
    [check_ setEnabled:NO];
    Told told;
    cocoascript::Runner runner(&told);
    // A disabled check box, a control that is not there, then a window
    // that never comes: the dialog has nothing more to expect.
    script("[Plexmoor] check #3 on\n[Plexmoor] type #9 \"x\"\n[Elsewhere] click #1\n");
    EXPECT_EQ([NSApp runModalForWindow:w], 2) << told.lines();
    EXPECT_EQ([check_ state], NSOffState);
    EXPECT_EQ(ui::scriptRemaining(), 1u);
    EXPECT_NE(told.lines().find("check #3 on -- refused"), std::string::npos) << told.lines();
    EXPECT_NE(told.lines().find("type #9 \"x\" -- refused: no such control"), std::string::npos);
    EXPECT_NE(told.lines().find("nothing more in the script; closing"), std::string::npos);
}

TEST_F(CocoaScript, AnswersAnAlertByTitleAndTellsItAsAMessageBox) {
    NSAlert* alert = [[[NSAlert alloc] init] autorelease];
    [alert setMessageText:@"Plexmoor"];
    [alert setInformativeText:@"Invalid page range!"];
    [alert addButtonWithTitle:@"OK"];
    [alert addButtonWithTitle:@"Cancel"];
    Told told;
    cocoascript::Runner runner(&told);
    script("[@message] answer \"Cancel\"\n");
    EXPECT_EQ([alert runModal], NSAlertSecondButtonReturn) << told.lines();
    ASSERT_FALSE(told.records.empty());
    EXPECT_EQ(told.records.front().kind, ui::RecordKind::MessageBox);
    EXPECT_EQ(told.records.front().text, "Plexmoor\n\nInvalid page range!");
    EXPECT_EQ(told.records.back().kind, ui::RecordKind::Answer);
    EXPECT_EQ(told.records.back().result, 2);

    // By place: 1 is the rightmost button, the default.
    script("[@message] answer 1\n");
    EXPECT_EQ([alert runModal], NSAlertFirstButtonReturn);
}

TEST_F(CocoaScript, DrawsAWindowAsPng) {
    NSPanel* w = dialog();
    [w orderFrontRegardless];
    std::string path = ::testing::TempDir() + "plx_cocoa_window.png";
    std::string error;
    ASSERT_TRUE(cocoaperson::writePng(w, path, &error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::string head(8, '\0');
    in.read(&head[0], 8);
    EXPECT_EQ(head, "\x89PNG\r\n\x1a\n");
    [w orderOut:nil];
    EXPECT_FALSE(cocoaperson::writePng(w, "/nonexistent/folder/x.png", &error));
}

} // namespace

// The Cocoa panels of the macOS build in the host's panel windows: the
// panels a plug-in added to the container of code 279 or 728 are shown in
// a Cocoa window of the host window's title, the selected page's view as
// its content; a person's actions on controls the host's window lacks go
// to that view, and observing the host's window sees its controls. When
// the preferences window is confirmed each panel stores what it shows
// (savePreferences); the output-style editor's panels are told through
// code 768 instead, as the editor ends.
#include "host/native_panels.h"

#import <AppKit/AppKit.h>

#include "host/platform/mac/qxp_callback.h"
#include "ui/foreign.h"
#include "ui/platform/mac/cocoa_person.h"
#include "ui/window.h"
#include "xt/xtsetup.h"

// What the host asks of a panel object (each only when it answers to it).
@protocol PlexhostPanel <NSObject>
- (NSView*)view;
- (NSString*)title;
- (void)savePreferences;
- (void)cancelPreferences;
- (void)saveSettings;
@end

namespace plxhost {

namespace {

class CocoaPanels : public NativePanels {
  public:
    CocoaPanels(ui::Handle window, NSArray* panels, bool preferences)
        : window_(window), panels_([panels retain]), preferences_(preferences) {
        for (id<PlexhostPanel> panel in panels_) {
            Page page;
            if ([panel respondsToSelector:@selector(title)])
                page.title = cocoaperson::utf8([panel title]);
            if (page.title.empty()) page.title = "Plug-in";
            NSRect frame = [viewOf(panel) frame];
            page.width = static_cast<int>(frame.size.width);
            page.height = static_cast<int>(frame.size.height);
            // The preferences window opens on the plug-in's page.
            page.showFirst = preferences_;
            pages_.push_back(page);
        }
        shown_ = [[NSPanel alloc] initWithContentRect:NSMakeRect(0, 0, 320, 120)
                                            styleMask:NSTitledWindowMask
                                              backing:NSBackingStoreBuffered
                                                defer:NO];
        [shown_ setReleasedWhenClosed:NO];
        [shown_ setTitle:cocoaperson::string(ui::text(window))];
        ui::ForeignControls foreign;
        foreign.perform = perform;
        foreign.observe = observe;
        foreign.user = this;
        ui::setForeignControls(&foreign);
    }

    ~CocoaPanels() override {
        ui::setForeignControls(nullptr);
        if (!preferences_) {
            // Whatever was not stored stays unstored.
        } else if (!saved_) {
            for (id<PlexhostPanel> panel in panels_)
                if ([panel respondsToSelector:@selector(cancelPreferences)])
                    [panel cancelPreferences];
        }
        [shown_ orderOut:nil];
        [shown_ release];
        [panels_ release];
    }

    const std::vector<Page>& pages() const override { return pages_; }

    void show(int index) override {
        NSView* content = [shown_ contentView];
        for (NSView* view in [NSArray arrayWithArray:[content subviews]]) [view removeFromSuperview];
        if (index < 0 || static_cast<NSUInteger>(index) >= [panels_ count]) {
            [shown_ orderOut:nil];
            return;
        }
        NSView* view = viewOf([panels_ objectAtIndex:static_cast<NSUInteger>(index)]);
        NSRect frame = [view frame];
        [shown_ setContentSize:frame.size];
        [view setFrameOrigin:NSZeroPoint];
        [content addSubview:view];
        [shown_ orderFrontRegardless];
    }

    void save() override {
        saved_ = true;
        if (!preferences_) return;
        for (id<PlexhostPanel> panel in panels_) {
            if ([panel respondsToSelector:@selector(savePreferences)])
                [panel savePreferences];
            else if ([panel respondsToSelector:@selector(saveSettings)])
                [panel saveSettings];
        }
    }

  private:
    static NSView* viewOf(id<PlexhostPanel> panel) {
        return [panel respondsToSelector:@selector(view)] ? [panel view] : nil;
    }

    static bool perform(ui::Handle window, const ui::Action& action, std::string* why, void* user) {
        auto* self = static_cast<CocoaPanels*>(user);
        if (window != self->window_) return false;
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        bool done = cocoaperson::perform(self->shown_, action, why);
        [pool drain];
        return done;
    }

    static void observe(ui::Handle window, ui::ControlInfo* info, void* user) {
        auto* self = static_cast<CocoaPanels*>(user);
        if (window != self->window_) return;
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        for (id<PlexhostPanel> panel in self->panels_) {
            NSView* view = viewOf(panel);
            if (view) info->children.push_back(cocoaperson::observeView(view));
        }
        [pool drain];
    }

    ui::Handle window_;
    NSArray* panels_;
    bool preferences_;
    bool saved_ = false;
    NSPanel* shown_ = nil;
    std::vector<Page> pages_;
};

} // namespace

std::unique_ptr<NativePanels> takeNativePanels(ui::Handle window) {
    int32_t code = 0;
    PlexhostPanelContainer* container = takeFreshPanelContainer(&code);
    if (!container || [[container panels] count] == 0) return nullptr;
    return std::make_unique<CocoaPanels>(window, [container panels], code == kXTCBAppPrefs);
}

} // namespace plxhost

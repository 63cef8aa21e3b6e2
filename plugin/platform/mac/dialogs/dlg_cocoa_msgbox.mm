// The message box as an alert: the main text as its message, the
// secondary text as its informative text, the buttons in the order given
// (the first is the default), the plug-in's icon, titled with the product
// name.
#include "plugin/dialogs/msgbox.h"

#import <AppKit/AppKit.h>

#include <string>

#include "bundle.h"
#include "dlg_cocoa.h"
#include "my_pool.h"

// Sets the alert window's title once the alert runs.
@interface PlxAlertTitle : NSObject {
    NSAlert* _alert;
    NSString* _title;
}
- (id)initWithAlert:(NSAlert*)alert title:(NSString*)title;
- (void)apply;
@end

@implementation PlxAlertTitle

- (id)initWithAlert:(NSAlert*)alert title:(NSString*)title {
    self = [super init];
    if (!self) return nil;
    _alert = [alert retain];
    _title = [title retain];
    return self;
}

- (void)dealloc {
    [_alert release];
    [_title release];
    [super dealloc];
}

- (void)apply {
    [[_alert window] setTitle:_title];
}

@end

namespace {

// The message box joins its two texts with an empty line; the alert shows
// them apart.
constexpr const char* kTextGap = "\n\n";
constexpr int32_t kMsgTextControl = 10;

// Runs the alert with its window titled. A Mac build titles the window
// before the run ([[alert window] setTitle:title]; return [alert
// runModal]); GNUstep makes the window only inside runModal, so the title
// is set from the modal run.
NSInteger runTitledAlert(NSAlert* alert, NSString* title) {
    PlxAlertTitle* titler = [[[PlxAlertTitle alloc] initWithAlert:alert title:title] autorelease];
    if ([alert window]) {
        [titler apply];
        return [alert runModal];
    }
    [titler performSelector:@selector(apply)
                 withObject:nil
                 afterDelay:0
                    inModes:[NSArray arrayWithObject:NSModalPanelRunLoopMode]];
    NSInteger response = [alert runModal];
    [NSObject cancelPreviousPerformRequestsWithTarget:titler];
    return response;
}

} // namespace

int32_t showMessageBox(const char* title, const char* text, const char* const* buttons,
                       int32_t count) {
    MyPool pool;
    NSBeep();
    std::string whole = text ? text : "";
    std::string message = whole, informative;
    size_t gap = whole.find(kTextGap);
    if (gap != std::string::npos) {
        message = whole.substr(0, gap);
        informative = whole.substr(gap + 2);
    }

    NSAlert* alert = [[[NSAlert alloc] init] autorelease];
    [alert setMessageText:nsText(message.c_str())];
    [alert setInformativeText:nsText(informative.c_str())];
    for (int32_t i = 0; i < count && buttons; ++i) [alert addButtonWithTitle:nsText(buttons[i])];
    NSString* iconPath = pathForResource(@"Krvn", @"png");
    NSImage* icon = iconPath ? [[[NSImage alloc] initWithContentsOfFile:iconPath] autorelease] : nil;
    if (icon) [alert setIcon:icon];

    NSInteger response = runTitledAlert(alert, nsText(title));
    return response == NSAlertFirstButtonReturn ? 1 : 2;
}

void layOutMessageWindow(PlxWindow window, const char* text, const char* const* buttons,
                         int32_t count) {
    PlxWindow message = getControl(window, kMsgTextControl);
    if (!message) return;
    setControlLiteralText(message, text);
    for (int32_t n = 1; n <= 2; ++n) {
        id button = objectOf(getControl(window, n));
        if (![button isKindOfClass:[NSButton class]]) continue;
        const char* title = n <= count && buttons ? buttons[n - 1] : nullptr;
        [button setTitle:nsText(title)];
        [button setHidden:!(title && title[0])];
    }
}

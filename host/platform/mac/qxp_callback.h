// The host's side of QXPXTCallback (the class interface is the plug-ins',
// in xt/QXPXTCallback.h): what the host itself needs to see of the Cocoa
// registrations and of the Cocoa objects it handed plug-ins. Objective-C++
// only.
#pragma once

#import <AppKit/AppKit.h>

#include "xt/QXPXTCallback.h"

// One registration: the code, the flags and priority given, the target and
// its selector.
@interface QXPXTCallbackRegistration : NSObject {
    int32_t _code;
    int32_t _flags;
    int32_t _priority;
    id _target;
    SEL _selector;
}
- (id)initWithCode:(int32_t)code
             flags:(int32_t)flags
          priority:(int32_t)priority
            target:(id)target
          selector:(SEL)selector;
- (int32_t)code;
- (int32_t)flags;
- (int32_t)priority;
// Calls the target's selector with the record; the method's answer.
- (int32_t)callWithRecord:(void*)record;
@end

// A container that takes panel objects with addView: (preferences window,
// output-style editor). It keeps the panels it was given.
@interface PlexhostPanelContainer : NSObject <QXPPanelContainer> {
    NSMutableArray* _panels;
}
- (NSArray*)panels;
@end

// The container made for the last code 279 or 728 that no window has
// taken yet (nil when none), and that code; taking it clears it.
PlexhostPanelContainer* takeFreshPanelContainer(int32_t* code);

@interface QXPXTCallback (Host)
// Every registration, in the order they were made.
- (NSArray*)registrations;
// The context menu made for the last code 318, and the container of the
// last 279 and 728; nil before.
- (NSMenu*)lastContextMenu;
- (PlexhostPanelContainer*)lastPrefsContainer;
- (PlexhostPanelContainer*)lastStylesContainer;
@end

/* The host's callback object on macOS (Objective-C only).
 *
 * A Cocoa plug-in registers its menu and panel handlers with the host's
 * one callback object rather than as plain functions: the host calls the
 * selector on the target with the callback record, and the method answers
 * like a callback (0). Records are the ones of xtcallbacks.h, except that
 * their host objects are Cocoa objects:
 *   6 and 318: the pointer after the 8-byte header is an NSMenu (the main
 *     menu, whose item tagged kXTMenuTagUtilities takes plug-in submenus;
 *     the context menu);
 *   279: the pointer at byte 8 is the preferences container, 728: the
 *     pointer at byte 24 the editor's container; a container takes a
 *     panel object with addView: (the object answers view and title).
 * The registration object returned is autoreleased; the plug-in retains it
 * for as long as the registration is to last.
 */
#pragma once

#import <Foundation/Foundation.h>

#include <stdint.h>

/* The tag of the main-menu item whose submenu takes the plug-ins' menus. */
enum { kXTMenuTagUtilities = 9 };

@interface QXPXTCallback : NSObject
+ (QXPXTCallback*)sharedInstance;
- (id)registerCallback:(uint32_t)xtId
             forCBCode:(int32_t)code
             withFlags:(int32_t)flags
              priority:(int32_t)priority
            withTarget:(id)target
          withSelector:(SEL)selector;
@end

/* What a panel container answers. */
@protocol QXPPanelContainer
- (void)addView:(id)panel;
@end

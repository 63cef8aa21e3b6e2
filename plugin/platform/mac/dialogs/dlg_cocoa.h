// Shared by the dialog toolkit's Cocoa files. Objective-C++ only.
//
// A PlxWindow is a small number that the toolkit hands out for each window
// and view it makes (1, 2, 3, ...; never a pointer), kept in one table with
// the object, its parent's number and its named properties. Every call
// looks its handle up first, so a stale or foreign handle does nothing,
// and a handle fits the 32 bits the host's window requests carry.
#pragma once

#import <AppKit/AppKit.h>

#include <cstdint>
#include <vector>

#include "plugin/dialogs/dialogs.h"

@class PlxDlgController;

// Cocoa leaves a modal run that was stopped from a timer only when the
// next event comes; this posts an event of the application's own, so the
// run ends at once.
void wakeModalRun();

// Registers an object (retained until it is forgotten) under a new handle;
// `parent` is the handle of the view or window it lives in (0 for a
// window). The object's own handle when it has one already.
PlxWindow registerHandle(id object, PlxWindow parent);
// The object of a handle; nil for 0 and unknown handles.
id objectOf(PlxWindow handle);
// The handle of an object the toolkit made; 0 for any other.
PlxWindow handleOf(id object);
PlxWindow parentOf(PlxWindow handle);
// Forgets a handle and every handle below it, releasing their objects and
// properties.
void forgetHandles(PlxWindow handle);

// The view of a handle when it is a view, the content view of a window.
NSView* viewOf(PlxWindow handle);
// The top of a handle's chain of parents, and the controller of the dialog
// it belongs to (nil outside a dialog run by PlxDlgController).
PlxWindow topOf(PlxWindow handle);
PlxDlgController* controllerOf(PlxWindow handle);
void setControllerOf(PlxWindow window, PlxDlgController* controller);

// Handles below a handle, depth-first: containers before their children,
// siblings in creation order.
std::vector<PlxWindow> descendantsOf(PlxWindow handle);

// UTF-8 and NSString; a null text is the empty string.
NSString* nsText(const char* text);

// The window descriptions place controls for the Windows dialog font; the
// Mac's system font is wider. Every check box, radio button and
// left-aligned label below `container` whose text needs more room than
// its frame grows to the right to fit, where that room is free: inside its
// parent and clear of the other visible controls beside it. What has no
// such room keeps its frame.
void widenToFit(NSView* container);

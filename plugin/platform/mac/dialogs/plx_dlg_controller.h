// PlxDlgController: one modal dialog of the plug-in. It makes the panel
// from the window description of the dialog's name (a Mac build would load
// a nib of that name; the controls carry their ids as tags either way),
// owns it for the run and keeps the controls' handlers.
//
// The run: the control tagged 2 ends it with 2 (Escape), the control
// tagged 1 is the default button (Return) and acts through doControl:, the
// close box ends it with 2. doControl: calls the handler attached to the
// sender's tag; without one, tag 1 ends the run with 1 and tag 2 with 2.
// The dialog's timer fires in the modal run-loop mode, so it runs while
// the dialog is up. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include <cstdint>

#include "plugin/dialogs/dialogs.h"

// The record kept per control tag in the controller's _props. The number
// fields (unit, minimum, maximum) stay zero: no dialog of the plug-in has
// number fields with units.
struct ControlProperties {
    uint8_t valid;
    DlgControlProc handler;
    void* user;
    int32_t unit;
    float minimum;
    float maximum;
};

@interface PlxDlgController : NSObject {
    NSPanel* _panel;
    NSMutableDictionary* _props;
    PlxWindow _window;
    void* _user;
    NSTimer* _timer;
    DlgTimerProc _timerProc;
    int32_t _pendingResult;
    BOOL _hasPendingResult;
    BOOL _running;
}
// Makes the panel from the description `name`; -panel is nil when there is
// none.
- (id)initWithName:(const char*)name user:(void*)user;
// A panel that is not deferred has its window at the window server from
// the start, shown or not, and so is among the application's windows
// ([NSApp windows] leaves a deferred panel out until it is first shown).
- (id)initWithName:(const char*)name user:(void*)user deferred:(BOOL)deferred;
- (NSPanel*)panel;
- (PlxWindow)window;
// Sets up the default and cancel buttons, calls setup, runs the panel
// modally and closes it. The code the run ended with; 0 without a panel.
- (int32_t)runModal:(DlgSetupProc)setup;
- (void)quitWithResult:(int32_t)result;
- (void)setHandler:(DlgControlProc)handler user:(void*)user forControl:(NSView*)control;
- (BOOL)startTimer:(uint32_t)intervalMs proc:(DlgTimerProc)proc;
- (void)stopTimer;

- (void)doControl:(id)sender;
- (void)doCancelBtn:(id)sender;
@end

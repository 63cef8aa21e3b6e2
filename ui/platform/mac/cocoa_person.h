// Acting as a person would on real Cocoa windows (the macOS build, on
// GNUstep here): what the command line and the tests do in the plug-in's
// Cocoa windows. Each action causes what a person's action causes:
//
//   click       push button: its action sent to its target; check box:
//               the next state, then the action; radio button: on (the
//               radio buttons beside it with the same action off), then
//               the action
//   type        text field: the whole text replaced, then the change
//               notification a typed character posts (the field's
//               delegate hears controlTextDidChange:); no action, as
//               typing sends none until Return
//   choose      pop-up button and combo box: the item selected, then the
//               action (combo box: its selection notification); tab view:
//               the tab selected (its delegate is told)
//   answer      an alert's button, by place (1 = the rightmost, the
//               default) or by title
//   choosePath  a save panel: folder and name set, then ok:
//
// Actions are sent with sendAction:to:, never performClick: (which holds
// the button highlighted for a while). An action is refused (false) when
// the control is gone, disabled or hidden, or of the wrong kind.
// Controls are found by tag (the window descriptions' ids) or by title.
// Texts are UTF-8. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include <string>

#include "ui/observe.h"
#include "ui/script.h"

namespace cocoaperson {

// The visible window with exactly this title, the modal one first; nil
// when none.
NSWindow* findWindow(const std::string& title);
// The first view with this tag, depth-first from the window's content
// view (subviews in their order), or nil. Tag 0 is no tag.
NSView* findControl(NSWindow* window, int tag);
// The first control whose title (button) or text (label) is this.
NSView* findControlByText(NSWindow* window, const std::string& text);

bool click(NSView* control);
bool check(NSView* checkBox, bool on);
bool type(NSView* field, const std::string& text);
// index is 0-based.
bool choose(NSView* control, int index);
bool chooseText(NSView* control, const std::string& item);
// An alert's (or any window's) push buttons, by place from the right
// (1-based) or by title.
bool answer(NSWindow* window, int button);
bool answerTitled(NSWindow* window, const std::string& title);
// A save panel: the folder and name of the path, then ok:.
bool choosePath(NSWindow* savePanel, const std::string& path);
// The title bar's close box: performClose: where the window has one,
// else the button tagged 2 or titled "Cancel", else the modal run is
// stopped with 2.
bool close(NSWindow* window);

// Whether the window is an alert (the text and buttons of NSAlert) or a
// save panel.
bool isAlert(NSWindow* window);
bool isSavePanel(NSWindow* window);
// An alert's message and informative text, with an empty line between
// them (the window system's message box joins its two texts so).
std::string alertText(NSWindow* alert);

// Carries out a scripted action on the window it addresses; false when
// refused, with the reason in *why.
bool perform(NSWindow* window, const ui::Action& action, std::string* why);
// The window (found by the action's address among the visible windows,
// the modal one first) or nil.
NSWindow* addressed(const ui::Action& action);

// The window and its controls in the window system's form (kinds, tags as
// ids, titles, values, items and selection), for whoever reads what a
// person saw. Handles are numbers of this process, not window-system
// handles.
ui::ControlInfo observe(NSWindow* window);
// The controls of one view (a panel shown inside another window).
ui::ControlInfo observeView(NSView* view);
// The view alone, without the views it holds, and the views it holds (a
// tab view's pages are its items' views, not its subviews).
ui::ControlInfo describeView(NSView* view);
NSArray* childViews(NSView* view);

// The window as it is drawn, title bar included, as a PNG file. False with
// *error set when it cannot be drawn or written.
bool writePng(NSWindow* window, const std::string& path, std::string* error);

// UTF-8 from and to the platform's strings.
std::string utf8(NSString* text);
NSString* string(const std::string& text);

} // namespace cocoaperson

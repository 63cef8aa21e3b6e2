// The dialog toolkit: the one procedural interface through which the rest of
// the plug-in runs its windows without knowing the platform. Dialogs are
// opened by name and built from window descriptions (window_desc.h);
// controls are addressed by numeric id. The platform layer implements every
// function declared here (plugin/platform/linux on the headless window
// system).
//
// Conventions:
// - A PlxWindow is the platform's handle of a window or control, 0 for none.
//   Every call accepts 0 or a stale handle and then does nothing, returning
//   0, false or null.
// - Id 1 is the OK button, id 2 the Cancel button. A modal dialog returns 1
//   for OK, 2 for Cancel or a closed window, any other value given to
//   quitModalDialog, and 0 when it could not be shown.
// - Texts are zero-terminated UTF-8.
// - Setting a control's text or value from code never calls its handler.
#pragma once

#include <cstdint>

// A window or control of the platform's window system; 0 is none.
using PlxWindow = uintptr_t;

// Called once with the new dialog and the caller's user data after the
// dialog is built and before it is shown.
using DlgSetupProc = void (*)(PlxWindow dialog, void* user);
// A control's handler: the control that notified, its dialog and the user
// data given with the handler. A non-zero result means "handled": the
// dialog then does not end on ids 1 and 2 by itself.
using DlgControlProc = uint8_t (*)(PlxWindow control, PlxWindow dialog, void* user);
// A dialog's timer procedure: the dialog and the dialog's user data.
using DlgTimerProc = void (*)(PlxWindow dialog, void* user);

// The host's main window, disabled while a plug-in dialog or message box is
// up. 0 until the host tells it; without it the owner of the active window
// is disabled instead.
extern PlxWindow gHostMainWindow;

// Runs the dialog `name` modally: the empty dialog MYDIALOG with the window
// description of that name built into it (without one, the dialog is only
// titled with the name, localized), centred on the screen, then `setup` (may
// be null) with the dialog and `user`. The host's main window is disabled
// meanwhile; afterwards its enabled state, the active window and the focus
// are given back. Commands from controls go to their handlers; without a
// handler (or when it returns 0) ids 1 and 2 end the dialog with that id.
// Closing the window ends it with 2. Returns the result code.
int32_t doModalDialog(const char* name, DlgSetupProc setup, void* user);

// Ends the running modal dialog with `result` and stops its timer.
void quitModalDialog(PlxWindow dialog, int32_t result);

// The first control, depth-first from the dialog (containers before their
// children, siblings in creation order), whose id is `id` or whose command
// code (four-character "cmd" of its description) equals `id`; 0 if none.
PlxWindow getControl(PlxWindow dialog, int32_t id);

// Attaches a handler and its user data to a control (replacing an earlier
// one); a null handler removes it.
void setControlHandler(PlxWindow control, DlgControlProc handler, void* user);
void setControlHandler(PlxWindow dialog, int32_t id, DlgControlProc handler, void* user);

void setWindowTitle(PlxWindow window, const char* text);

// The text first goes through the string table (a text that is no key stays
// as it is). Edit fields, static texts, combo boxes: the text. Popup
// buttons: selects the item with exactly that title, else the first item.
// Buttons, check boxes, radio buttons, group boxes, tab controls: the
// title. List boxes: nothing.
void setControlText(PlxWindow control, const char* text);
// The same without the string table, for texts that are the user's own
// (a separator, a suffix, a name): they are shown exactly as stored.
void setControlLiteralText(PlxWindow control, const char* text);
// Formats into a buffer of kControlFormatSize bytes (a longer result is cut
// at a character boundary) and sets the text as setControlText does.
void setControlTextWithFormat(PlxWindow control, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
constexpr int32_t kControlFormatSize = 2048;

// The text of an edit field, static text or combo box, the selected item of
// a popup button or list box, as a new heap copy the caller releases with
// myfree; null for other kinds (and when memory runs out).
char* getControlText(PlxWindow control);
// The same into a buffer of kControlTextSize bytes: a text of up to
// kControlTextSize - 1 bytes is copied, a longer one gives the empty text.
// False (and an empty text) for kinds without text and for a text that
// does not fit.
bool getControlText(PlxWindow control, char* buffer);
constexpr int32_t kControlTextSize = 255;

// Values by kind:
//   check box, radio button  state (0 or 1)
//   popup button, combo box  set: selects item value - 1 (0 clears a
//                            popup's selection); get: selected index + 1,
//                            0 when none
//   edit field, static text  set: the decimal text; get: the text read as
//                            a decimal integer
//   progress bar             position
//   radio group              the 1-based position of the button that is on
//                            among its children (0 none)
//   tab control              selected tab + 1
// Anything else: setting does nothing, getting gives 0.
void setControlValue(PlxWindow control, int32_t value);
void setControlValue(PlxWindow dialog, int32_t id, int32_t value);
int32_t getControlValue(PlxWindow control);
int32_t getControlValue(PlxWindow dialog, int32_t id);

// Sounds the system's alert.
void beep();
// Enables or disables a control (a disabled control takes no input).
void enableControl(PlxWindow control, bool enabled);
// Gives a control the keyboard focus and selects the first selectChars
// characters of its text (0: none).
void focusControl(PlxWindow control, int32_t selectChars);
// A list's items: cleared, or one appended at the end.
void clearControlItems(PlxWindow control);
void addControlItem(PlxWindow control, const char* text);

// A progress bar's range.
void setControlRange(PlxWindow control, int32_t minimum, int32_t maximum);
// Gives a dialog the small title bar of a tool window.
void setToolWindowStyle(PlxWindow dialog);

// The dialog's timer: `proc` is called every intervalMs with the dialog and
// its user data until the timer is stopped or the dialog ends.
bool startDialogTimer(PlxWindow dialog, uint32_t intervalMs, DlgTimerProc proc);
void stopDialogTimer(PlxWindow dialog);

// Named properties of a window or control, by four-character code (see
// docs/window-descriptions.md for the codes in use). Value properties hold
// a pointer-sized number, string properties a copy of a text.
bool setValueProperty(PlxWindow window, uint32_t code, intptr_t value);
intptr_t getValueProperty(PlxWindow window, uint32_t code, intptr_t fallback = 0);
bool setStringProperty(PlxWindow window, uint32_t code, const char* text);
// Copies the string property into dst (capacity bytes, cut at a character
// boundary); false and an empty dst when the window has none.
bool getStringProperty(PlxWindow window, uint32_t code, char* dst, int32_t capacity);

// Makes a dialog the way doModalDialog does, without running it: the empty
// dialog with the description `name` built into it, centred, with `user` as
// its user data. *described tells whether a description of that name was
// found. The caller destroys it with destroyDialogWindow. 0 on failure.
PlxWindow createDialogWindow(const char* name, void* user, bool* described);
void destroyDialogWindow(PlxWindow dialog);

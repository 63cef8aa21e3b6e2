// Message boxes with localized texts.
//
// Every message is given as a string-table key used as a printf format:
// a key shorter than kMsgKeyLimit bytes is looked up (the key itself when
// the table lacks it) and formatted with the arguments into a buffer of
// kMsgTextSize bytes (a longer result is cut at a character boundary); a
// key of kMsgKeyLimit bytes or more is no key: its first kMsgKeyLimit bytes
// are shown followed by an ellipsis, without lookup or formatting.
//
// A box sounds the beep, shows the main text followed, when one was set
// with setMsg2, by an empty line and the secondary text, and buttons with
// the localized titles of the keys "ok", "cancel", "yes", "no". The host's
// main window is disabled while it is up; afterwards the focus returns to
// the control that had it, with its whole text selected. The result is 1
// for the first button, 2 for any other button and for closing the box.
// Both texts are cleared afterwards.
#pragma once

#include <cstdarg>
#include <cstdint>

#include "plugin/dialogs/dialogs.h"

constexpr int32_t kMsgKeyLimit = 200;
constexpr int32_t kMsgTextSize = 2048;

// The keys carry no format attribute: the compiler cannot check them, as
// their formats are the texts the table gives them.

// The secondary text of the next box.
void setMsg2(const char* key, ...);
// The main text of the next box, for a box call whose key is null.
void setMsg1(const char* key, ...);

// One button "ok". A null key keeps the main text set with setMsg1.
int32_t msgBox(const char* key, ...);
// Buttons "yes", "no".
int32_t msgBoxYesNo(const char* key, ...);
// Buttons "ok", "cancel".
int32_t msgBoxOkCancel(const char* key, ...);
// Buttons "yes", "cancel", "no".
int32_t msgBoxYesNoCancel(const char* key, ...);

// The text a message key and its arguments give, by the rules above, into
// dst (kMsgTextSize bytes). A null key gives the empty text.
void formatMessage(char* dst, const char* key, va_list args);

// Shows one box (platform layer): the title, the whole text, the localized
// button titles (count of them) and the result as described above.
int32_t showMessageBox(const char* title, const char* text, const char* const* buttons,
                       int32_t count);

// Lays out a window built from MSGBOX for a message as the box shows it
// (platform layer): the static text (id 10) holds the text, wrapped to its
// width, and grows with the box by each further line, the buttons 1 and 2
// moving down with it; each button gets its title (count of them given),
// and a button without one is hidden.
void layOutMessageWindow(PlxWindow window, const char* text, const char* const* buttons,
                         int32_t count);

// Windows and controls: creating them, the tree they form, and their attributes.
//
// Every window, top-level or child, is one record with the same attributes; the
// kind decides which of them mean something. Setting an attribute from code never
// notifies anyone: notifications come only from a person's actions (ui/person.h),
// so a dialog's handler never runs because of the dialog's own changes.
#pragma once

#include "ui/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct CreateParams {
    Kind kind = Kind::Window;
    std::string className;     // Custom only: a class registered with registerClass
    Handle parent = kNoWindow; // required for every kind but Window
    Handle owner = kNoWindow;  // top-level windows only: the window it belongs to
    int id = -1;
    std::uint32_t command = 0; // four-character command code, 0 = none
    Rect rect;
    std::string text;               // title or contents
    std::uint32_t style = 0;        // style:: flags
    std::vector<std::string> items; // popup, combo, list box: items; tab control: tabs
};

// Creates a window. Kind::Window needs no parent (a parent is refused); every
// other caller-made kind needs a live parent; MessageBox and SaveDialog are made
// only by this library. Custom needs a registered class name. The new window is
// visible and enabled, the last child of its parent, and a new top-level window is
// placed on top of the z-order without becoming active. After everything is set,
// the window's procedure gets Msg::Create. Returns 0 when refused.
UI_API Handle createWindow(const CreateParams& params);

// Convenience for a control in a parent.
UI_API Handle createControl(Handle parent, Kind kind, int id, Rect rect,
                            const std::string& text = std::string(), std::uint32_t style = 0);

// Destroys a window and everything in it: Msg::Destroy goes to the window, then to
// its descendants, parents before children; their timers stop; focus and activation
// move on (a destroyed active window hands activation to its owner, else to the
// topmost remaining window); a modal loop running it ends. Returns false for an
// invalid handle. Safe to call from the window's own procedure.
UI_API bool destroyWindow(Handle window);

UI_API bool isWindow(Handle window);
UI_API Kind kind(Handle window);                    // Kind::Window when invalid
UI_API std::string className(Handle window);        // Custom windows only, else empty
UI_API Handle parent(Handle window);                // 0 for top-level windows
UI_API Handle owner(Handle window);                 // top-level windows only
UI_API Handle topLevel(Handle window);              // the top-level window it lives in
UI_API std::vector<Handle> children(Handle window); // in creation order
UI_API bool isTopLevel(Handle window);

UI_API int id(Handle window); // -1 when invalid
UI_API bool setId(Handle window, int id);
UI_API std::uint32_t command(Handle window);
UI_API bool setCommand(Handle window, std::uint32_t code);
UI_API Rect rect(Handle window);
UI_API bool setRect(Handle window, Rect rect);
UI_API std::uint32_t styleFlags(Handle window);
UI_API bool setStyleFlags(Handle window, std::uint32_t flags);
UI_API bool hasStyle(Handle window, std::uint32_t flag);

// Text. Popup and list box: the selected item's text ("" when none). Combo box:
// the text of its edit field. Everything else: its title or contents.
UI_API std::string text(Handle window);
// Popup: selects the item whose text equals it, false (and no change) when none
// does. List box: refused. Combo box: sets the edit text and selects the equal
// item or none. Edit fields keep a selection within the new text (collapsed to its
// end). Everything else: sets the title or contents.
UI_API bool setText(Handle window, const std::string& text);

// Value. Check box and radio button: 0 off, 1 on (other numbers kept as given).
// Progress bar: position, clamped to its range. Popup, combo box, list box, tab
// control: the selected index, -1 for none (the same as selection()). Custom:
// whatever the class's procedure answers to GetValue/SetValue (the default keeps
// the number given). Others: a number kept with the window.
UI_API std::intptr_t value(Handle window);
UI_API bool setValue(Handle window, std::intptr_t value);

// Progress bar range; the default is 0..100.
UI_API bool setRange(Handle window, int minimum, int maximum);
UI_API int rangeMin(Handle window);
UI_API int rangeMax(Handle window);

// Items of popups, combo boxes and list boxes, and the tabs of a tab control.
// Sorted lists insert in case-insensitive order. addItem returns the index the item
// got, or -1. The selection is an index, -1 for none; setting an index out of range
// clears it.
UI_API bool setItems(Handle window, const std::vector<std::string>& items);
UI_API int addItem(Handle window, const std::string& item);
UI_API bool clearItems(Handle window);
UI_API std::vector<std::string> items(Handle window);
UI_API int itemCount(Handle window);
UI_API int findItem(Handle window, const std::string& item); // exact text, -1 when absent
UI_API int selection(Handle window);
UI_API bool setSelection(Handle window, int index);

// Selected part of an edit's or combo's text, in characters (code points) from
// the start; start == end is a caret. Out-of-range values are clamped.
struct TextSelection {
    int start = 0;
    int end = 0;
};
UI_API bool setTextSelection(Handle window, int start, int end);
UI_API TextSelection textSelection(Handle window);
UI_API std::string selectedText(Handle window);

// Enabled and visible states of the window itself; setEnabled/setVisible return
// the previous state (false for an invalid handle).
UI_API bool setEnabled(Handle window, bool enabled);
UI_API bool isEnabled(Handle window);
UI_API bool setVisible(Handle window, bool visible);
UI_API bool isVisible(Handle window);
// True when a person could work the window: it and all its ancestors are enabled
// and visible.
UI_API bool isUsable(Handle window);

// Named properties. Value properties hold a pointer-sized number; string properties
// hold the library's own copy of a text. Both go with the window.
UI_API bool setProp(Handle window, const std::string& name, std::intptr_t value);
UI_API bool getProp(Handle window, const std::string& name, std::intptr_t* value);
UI_API std::intptr_t prop(Handle window, const std::string& name, std::intptr_t fallback = 0);
UI_API bool removeProp(Handle window, const std::string& name);
UI_API bool setStringProp(Handle window, const std::string& name, const std::string& value);
UI_API bool getStringProp(Handle window, const std::string& name, std::string* value);
UI_API bool removeStringProp(Handle window, const std::string& name);

// Depth-first search of the descendants of root (not root itself): containers
// before their children, siblings in creation order; the first match or 0.
UI_API Handle findControl(Handle root, int id);
UI_API Handle findControlByCommand(Handle root, std::uint32_t code);
UI_API Handle findControlByText(Handle root, const std::string& text);
// All descendants of root in that same order.
UI_API std::vector<Handle> descendants(Handle root);

} // namespace ui

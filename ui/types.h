// Basic types of the headless window system: handles, geometry, control kinds,
// style flags, notifications and the message a window procedure receives.
//
// Conventions for the whole library:
// - Everything runs on one thread; nothing is thread-safe and nothing needs to be.
// - Errors are returned (0, false, empty text, -1), never thrown. Callbacks handed
//   to the library must not throw either.
// - Windows are addressed by Handle, a number that is never reused within a process.
//   A handle of a destroyed window is simply invalid: every call accepts it and does
//   nothing (or returns the empty value), so stale handles never crash.
// - Callbacks are plain function pointers with a user-data pointer, so that a
//   module that is unloaded leaves nothing of its code behind in this library.
#pragma once

#include <cstdint>
#include <string>

#define UI_API __attribute__((visibility("default")))

namespace ui {

// A window or control; 0 is "no window".
using Handle = std::uint32_t;
constexpr Handle kNoWindow = 0;

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int w = 0;
    int h = 0;
};

// x, y relative to the parent's client area (top-level windows: to the screen).
// Windows have no decorations here: a window's client area is its whole rect.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

inline bool operator==(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

enum class Kind : int {
    Window,     // a top-level window made by a caller
    MessageBox, // a top-level window made by messageBox()
    SaveDialog, // a top-level window made by runSaveDialog()
    Pane,       // a plain child container
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    Static,
    Popup,    // drop-down list, not editable
    ComboBox, // editable combo box
    ListBox,
    ProgressBar,
    TabControl,
    Custom, // a window of a registered class
};

// Short lower-case name of a kind ("push", "check", "edit", ...), as used in
// observations, transcripts and scripts.
UI_API const char* kindName(Kind kind);
// The kind named by kindName(); false when the name is unknown.
UI_API bool kindFromName(const std::string& name, Kind* kind);

// Style flags of a window, combined with |.
namespace style {
constexpr std::uint32_t TabStop = 1u << 0;       // reached by Tab and Shift+Tab
constexpr std::uint32_t DefaultButton = 1u << 1; // drawn as the default push button
constexpr std::uint32_t MultiLine = 1u << 2;     // edit or static spanning several lines
constexpr std::uint32_t WantReturn = 1u << 3;    // multi-line edit that takes Return as text
constexpr std::uint32_t Password = 1u << 4;      // edit showing bullets
constexpr std::uint32_t ReadOnly = 1u << 5;      // edit a person cannot type into
constexpr std::uint32_t AlignCenter = 1u << 6;
constexpr std::uint32_t AlignRight = 1u << 7;
constexpr std::uint32_t Border = 1u << 8;      // plain frame (static texts, panes)
constexpr std::uint32_t Sorted = 1u << 9;      // list items kept in case-insensitive order
constexpr std::uint32_t ToolWindow = 1u << 10; // top-level window with a small title bar
constexpr std::uint32_t ClientEdge = 1u << 11; // sunken frame
} // namespace style

// What a control tells its parent when a person works it.
enum class Notify : int {
    None,
    Clicked,            // push button, check box, radio button pressed
    TextChanged,        // edit or combo text changed by a person
    ListOpened,         // a popup's or combo's list opened, before a choice
    SelectionChanged,   // popup, combo, list box or tab control choice made
    SelectionConfirmed, // popup or combo choice confirmed (list closed with a choice)
};

UI_API const char* notifyName(Notify notify);

// Keys a person can press.
enum class Key : int { Tab, ShiftTab, Return, Escape, Space };

UI_API const char* keyName(Key key);
UI_API bool keyFromName(const std::string& name, Key* key);

class Canvas;

// What a window procedure is sent.
enum class Msg : int {
    Create,   // the window exists with all its attributes; sent once
    Destroy,  // the window is about to go; its children are still there
    Command,  // a descendant control notified: source, id, notify
    Close,    // a person asks the window to close (title-bar close)
    Timer,    // a timer without its own procedure is due: id
    Key,      // a key reached the top-level window: value = (int)Key; nonzero result = handled
    GetValue, // asked for its value (registered classes): result is the value
    SetValue, // given a value (registered classes): value
    Paint,    // draw yourself on canvas (registered classes); nonzero result = painted
};

struct Message {
    Msg msg = Msg::Create;
    Handle source = kNoWindow; // Command: the control that notified (0 when synthesised)
    int id = 0; // Command: the control's id (or 1/2 from Return/Escape); Timer: timer id
    Notify notify = Notify::None;
    std::intptr_t value = 0;  // SetValue: the value; Key: the key
    Canvas* canvas = nullptr; // Paint
};

// A window procedure. Returns a message-specific result; to get the standard
// behaviour, call defaultProc (or the procedure it replaced, see setWindowProc).
using WindowProc = std::intptr_t (*)(Handle self, const Message& msg, void* user);

// A procedure together with its user data.
struct ProcRef {
    WindowProc proc = nullptr;
    void* user = nullptr;
};

// Four-character codes as 32-bit values whose bytes in memory, lowest address
// first, spell the code ("prog" -> 'p' in the lowest byte). Shorter texts are
// padded with blanks; longer ones are cut to four characters.
UI_API std::uint32_t fourCC(const std::string& text);
// The four characters of a code, trailing blanks kept.
UI_API std::string fourCCText(std::uint32_t code);

} // namespace ui

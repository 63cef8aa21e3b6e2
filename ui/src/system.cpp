// The process-wide window system record, names of the enumerations, four-character
// codes, UTF-8 measuring, and reset.
#include "system.h"

#include "ui/window.h"

#include <cstring>

namespace ui {
namespace detail {

System& sys() {
    // Holds only plain data and function pointers, so destroying it at exit calls
    // into no other module (one that may already be unloaded).
    static System system;
    return system;
}

Window* find(Handle handle) {
    if (handle == kNoWindow) return nullptr;
    auto& windows = sys().windows;
    auto it = windows.find(handle);
    return it == windows.end() ? nullptr : it->second.get();
}

bool isTopLevelKind(Kind kind) {
    return kind == Kind::Window || kind == Kind::MessageBox || kind == Kind::SaveDialog;
}

bool hasItems(Kind kind) {
    return kind == Kind::Popup || kind == Kind::ComboBox || kind == Kind::ListBox ||
           kind == Kind::TabControl;
}

bool hasEditText(Kind kind) {
    return kind == Kind::Edit || kind == Kind::ComboBox;
}

int codePoints(const std::string& text) {
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::size_t byteOffset(const std::string& text, int codePoint) {
    if (codePoint <= 0) return 0;
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == codePoint) return i;
            ++seen;
        }
    }
    return text.size();
}

} // namespace detail

namespace {

struct KindName {
    Kind kind;
    const char* name;
};

const KindName kKindNames[] = {
    {Kind::Window, "window"},     {Kind::MessageBox, "message"},   {Kind::SaveDialog, "save"},
    {Kind::Pane, "pane"},         {Kind::PushButton, "push"},      {Kind::CheckBox, "check"},
    {Kind::RadioButton, "radio"}, {Kind::GroupBox, "group"},       {Kind::Edit, "edit"},
    {Kind::Static, "static"},     {Kind::Popup, "popup"},          {Kind::ComboBox, "combo"},
    {Kind::ListBox, "list"},      {Kind::ProgressBar, "progress"}, {Kind::TabControl, "tabs"},
    {Kind::Custom, "custom"},
};

const char* const kKeyNames[] = {"Tab", "Shift+Tab", "Return", "Escape", "Space"};

} // namespace

const char* kindName(Kind kind) {
    for (const auto& entry : kKindNames)
        if (entry.kind == kind) return entry.name;
    return "?";
}

bool kindFromName(const std::string& name, Kind* kind) {
    for (const auto& entry : kKindNames) {
        if (name == entry.name) {
            if (kind) *kind = entry.kind;
            return true;
        }
    }
    return false;
}

const char* notifyName(Notify notify) {
    switch (notify) {
    case Notify::None:
        return "none";
    case Notify::Clicked:
        return "clicked";
    case Notify::TextChanged:
        return "text-changed";
    case Notify::ListOpened:
        return "list-opened";
    case Notify::SelectionChanged:
        return "selection-changed";
    case Notify::SelectionConfirmed:
        return "selection-confirmed";
    }
    return "?";
}

const char* keyName(Key key) {
    int index = static_cast<int>(key);
    return index >= 0 && index < 5 ? kKeyNames[index] : "?";
}

bool keyFromName(const std::string& name, Key* key) {
    for (int i = 0; i < 5; ++i) {
        if (name == kKeyNames[i]) {
            if (key) *key = static_cast<Key>(i);
            return true;
        }
    }
    return false;
}

std::uint32_t fourCC(const std::string& text) {
    char bytes[4] = {' ', ' ', ' ', ' '};
    std::memcpy(bytes, text.data(), text.size() < 4 ? text.size() : 4);
    std::uint32_t code = 0;
    std::memcpy(&code, bytes, 4);
    return code;
}

std::string fourCCText(std::uint32_t code) {
    char bytes[4];
    std::memcpy(bytes, &code, 4);
    return std::string(bytes, 4);
}

Size screenSize() {
    return detail::sys().screen;
}

void setScreenSize(Size size) {
    if (size.w > 0 && size.h > 0) detail::sys().screen = size;
}

bool reset() {
    auto& s = detail::sys();
    // Not from inside a modal loop or a window's destruction: both would be left
    // holding windows that vanished under them.
    if (!s.modal.empty() || s.destroying > 0) return false;
    while (!s.zorder.empty())
        destroyWindow(s.zorder.front());
    // Windows that are not top-level cannot outlive their top-level window, but a
    // procedure may have made new ones while being destroyed.
    while (!s.windows.empty())
        destroyWindow(s.windows.begin()->first);
    // Handles stay unique for the life of the process, across resets too.
    Handle next = s.nextHandle;
    s = detail::System();
    s.nextHandle = next;
    return true;
}

} // namespace ui
